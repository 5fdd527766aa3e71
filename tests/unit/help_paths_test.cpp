// Where Help looks for the manuals.
#include "entry/help_paths.h"

#include <gtest/gtest.h>

#include <string>

#include "solver/workspace.h"

namespace {

bool shift_jis_lead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

TEST(HelpPaths, ManualsLieBesideTheProgramOrAreMissing)
{
    reset_workspace();
    const std::string longest = "C:\\" + std::string(242, 'd') + "\\";  // + "DROVU_E.PDF" + NUL = 258
    const std::string too_long = "C:\\" + std::string(243, 'd') + "\\";
    const struct {
        std::string program;
        bool (*is_lead_byte)(unsigned char c);
        std::string dir;  // "" when the manuals cannot be found
    } cases[] = {
        {"C:\\Program Files\\Drovu\\DROVU_95.EXE", nullptr, "C:\\Program Files\\Drovu\\"},
        {"\\\\server\\share\\x.exe", nullptr, "\\\\server\\share\\"},
        {longest + "DROVU_95.EXE", nullptr, longest},
        // "表" is 0x95 0x5C in Shift-JIS: its second byte is the backslash's.
        {"C:\\Drovu\\表.exe", shift_jis_lead, "C:\\Drovu\\"},
        {"C:\\表\\DROVU_95.EXE", shift_jis_lead, "C:\\表\\"},
        {too_long + "DROVU_95.EXE", nullptr, ""},
        {"DROVU_95.EXE", nullptr, ""},
        {"", nullptr, ""},
    };
    for (const auto& c : cases) {
        build_help_paths("C:\\Drovu\\DROVU_95.EXE", nullptr);  // what a failure must not leave
        build_help_paths(c.program.c_str(), c.is_lead_byte);
        const std::string en = c.dir.empty() ? "" : c.dir + "DROVU_E.PDF";
        const std::string ja = c.dir.empty() ? "" : c.dir + "DROVU_J.PDF";
        EXPECT_EQ(ws.help_path_en, en) << c.program;
        EXPECT_EQ(ws.help_path_ja, ja) << c.program;
    }
    build_help_paths(nullptr, nullptr);
    EXPECT_STREQ(ws.help_path_en, "");
}

TEST(HelpPaths, EachLanguageOpensOnlyItsOwnManual)
{
    reset_workspace();
    build_help_paths("C:\\Drovu\\DROVU_95.EXE", nullptr);
    EXPECT_STREQ(help_document_path(), "C:\\Drovu\\DROVU_E.PDF");
    ws.ui_japanese = 1;
    EXPECT_STREQ(help_document_path(), "C:\\Drovu\\DROVU_J.PDF");
}

}  // namespace
