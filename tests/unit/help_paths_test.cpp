// Where Help looks for the manuals.
#include "entry/help_paths.h"

#include <gtest/gtest.h>

#include "solver/workspace.h"

// Beside the program, or nowhere: then both paths are empty, whatever an
// earlier call had left. "表" is 0x95 0x5C in Shift-JIS, a backslash second.
TEST(HelpPaths, ManualsLieBesideTheProgramOrAreMissing)
{
    const auto shift_jis_lead = [](unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); };
    const std::string longest = "C:\\" + std::string(242, 'd') + "\\";  // + "DROVU_E.PDF" + NUL = 258
    const struct { std::string program; bool shift_jis; std::string dir; } cases[] = {
        {"\\\\server\\share\\x.exe", false, "\\\\server\\share\\"}, {longest + "x.exe", false, longest},
        {"C:\\Drovu\\表.exe", true, "C:\\Drovu\\"}, {"C:\\d" + longest.substr(3) + "x.exe", false, ""},
        {"DROVU_95.EXE", false, ""},
    };
    reset_workspace();
    for (const auto& c : cases) {
        for (int japanese : {0, 1}) {
            build_help_paths("C:\\Drovu\\DROVU_95.EXE", nullptr);
            build_help_paths(c.program.c_str(), c.shift_jis ? +shift_jis_lead : nullptr);
            ws.ui_japanese = japanese;
            EXPECT_EQ(help_document_path(), c.dir.empty() ? "" : c.dir + (japanese ? "DROVU_J.PDF" : "DROVU_E.PDF"))
                << c.program;
        }
    }
}
