// Where Help looks for the manuals.
#include "entry/help_paths.h"

#include <gtest/gtest.h>

#include "solver/workspace.h"

static bool shift_jis_lead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Beside the program, or nowhere: then both paths are empty, whatever an
// earlier call had left.
TEST(HelpPaths, ManualsLieBesideTheProgramOrAreMissing)
{
    const std::string longest = "C:\\" + std::string(242, 'd') + "\\";  // + "DROVU_E.PDF" + NUL = 258
    const struct { const char* program; bool (*is_lead_byte)(unsigned char c); std::string dir; } cases[] = {
        {"C:\\Program Files\\Drovu\\DROVU_95.EXE", nullptr, "C:\\Program Files\\Drovu\\"},
        {"\\\\server\\share\\x.exe", nullptr, "\\\\server\\share\\"},
        {"C:\\Drovu\\表.exe", shift_jis_lead, "C:\\Drovu\\"},  // "表" is 0x95 0x5C, a backslash second
        {"C:\\表\\DROVU_95.EXE", shift_jis_lead, "C:\\表\\"},
        {"DROVU_95.EXE", nullptr, ""}, {"", nullptr, ""}, {nullptr, nullptr, ""},
    };
    reset_workspace();
    for (const auto& c : cases) {
        for (int japanese : {0, 1}) {
            build_help_paths("C:\\Drovu\\DROVU_95.EXE", nullptr);
            build_help_paths(c.program, c.is_lead_byte);
            ws.ui_japanese = japanese;
            EXPECT_EQ(help_document_path(), c.dir.empty() ? "" : c.dir + (japanese ? "DROVU_J.PDF" : "DROVU_E.PDF"))
                << (c.program ? c.program : "(none)");
        }
    }
    build_help_paths((longest + "DROVU_95.EXE").c_str(), nullptr);
    EXPECT_STREQ(help_document_path(), (longest + "DROVU_J.PDF").c_str());
    build_help_paths(("C:\\d" + longest.substr(3) + "DROVU_95.EXE").c_str(), nullptr);  // one byte too long
    EXPECT_EQ(std::string(ws.help_path_en) + ws.help_path_ja, "");
}
