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

class HelpPaths : public ::testing::Test {
protected:
    void SetUp() override { reset_workspace(); }
};

TEST_F(HelpPaths, ManualsLieBesideTheProgramWhateverItsName)
{
    const struct {
        const char* program;
        const char* dir;
    } cases[] = {
        {"C:\\Program Files\\Drovu\\DROVU_95.EXE", "C:\\Program Files\\Drovu\\"},
        {"C:\\Tools\\drovu-old.exe", "C:\\Tools\\"},
        {"Z:\\DROVU_95.EXE", "Z:\\"},
        {"\\\\server\\share\\x.exe", "\\\\server\\share\\"},
    };
    for (const auto& c : cases) {
        build_help_paths(c.program, nullptr);
        EXPECT_EQ(std::string(ws.help_path_en), std::string(c.dir) + "DROVU_E.PDF") << c.program;
        EXPECT_EQ(std::string(ws.help_path_ja), std::string(c.dir) + "DROVU_J.PDF") << c.program;
    }
}

TEST_F(HelpPaths, NoDirectoryOrNoPathLeavesThemEmpty)
{
    for (const char* program : {"DROVU_95.EXE", "", static_cast<const char*>(nullptr)}) {
        build_help_paths("C:\\Drovu\\DROVU_95.EXE", nullptr);
        build_help_paths(program, nullptr);
        EXPECT_STREQ(ws.help_path_en, "") << (program ? program : "(null)");
        EXPECT_STREQ(ws.help_path_ja, "") << (program ? program : "(null)");
    }
}

TEST_F(HelpPaths, PathsFillTheir258BytesAndNeverMore)
{
    // A directory of 246 bytes plus "DROVU_E.PDF" and the NUL is exactly 258.
    const std::string longest_dir = "C:\\" + std::string(242, 'd') + "\\";
    ASSERT_EQ(longest_dir.size(), 246u);
    build_help_paths((longest_dir + "DROVU_95.EXE").c_str(), nullptr);
    EXPECT_EQ(std::string(ws.help_path_en), longest_dir + "DROVU_E.PDF");
    EXPECT_EQ(std::string(ws.help_path_ja), longest_dir + "DROVU_J.PDF");

    const std::string too_long = "C:\\" + std::string(243, 'd') + "\\";
    build_help_paths((too_long + "DROVU_95.EXE").c_str(), nullptr);
    EXPECT_STREQ(ws.help_path_en, "");
    EXPECT_STREQ(ws.help_path_ja, "");
}

TEST_F(HelpPaths, DoubleByteCharactersEndingInTheBackslashByteAreNotSeparators)
{
    // "表" is 0x95 0x5C in Shift-JIS: its second byte is the backslash's.
    const char* program = "C:\\Drovu\\表.exe";
    build_help_paths(program, shift_jis_lead);
    EXPECT_STREQ(ws.help_path_en, "C:\\Drovu\\DROVU_E.PDF");

    const char* in_dir = "C:\\表\\DROVU_95.EXE";
    build_help_paths(in_dir, shift_jis_lead);
    EXPECT_STREQ(ws.help_path_ja, "C:\\表\\DROVU_J.PDF");
}

TEST_F(HelpPaths, EachLanguageOpensOnlyItsOwnManual)
{
    build_help_paths("C:\\Drovu\\DROVU_95.EXE", nullptr);
    ws.ui_japanese = 0;
    EXPECT_STREQ(help_document_path(), "C:\\Drovu\\DROVU_E.PDF");
    ws.ui_japanese = 1;
    EXPECT_STREQ(help_document_path(), "C:\\Drovu\\DROVU_J.PDF");
}

}  // namespace
