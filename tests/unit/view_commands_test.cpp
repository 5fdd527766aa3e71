// "Input Coefficients" and "Error" through the fake platform.
#include "entry/view_commands.h"

#include <gtest/gtest.h>

#include <cstring>

#include "entry/field_filter.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

using Texts = std::vector<std::string>;

// What the commands asked of the platform, field writes left out.
static Texts calls()
{
    Texts lines;
    for (const std::string& line : fake.log)
        if (line.compare(0, 4, "set ") != 0) lines.push_back(line);
    fake.log.clear();
    return lines;
}

// Leaving the splash, the error figures of a solved cubic, and back to the
// input: No brings the stored coefficients back, Yes discards them. A text
// the Solve command refused comes back through the filter as a number.
TEST(ViewCommands, FromTheSplashToTheErrorFiguresAndBack)
{
    const Texts input_view = {"repaint 0 21 -1 -1", "shift 0"};
    const Texts question = {"box Question 0x24: Clear the window for data input,\nwith discarding previous inputted data?"};
    reset_fake_ui();
    fake.notify = on_field_command;
    field(101) = "stale";
    open_input_view(ws.main_window);
    EXPECT_EQ(calls(), (Texts{"release splash", input_view[0], input_view[1]}));
    EXPECT_EQ(ws.display_mode, kModeInput);
    for (int r = 0; r < kTextSlots; ++r)
        EXPECT_STREQ(ws.row_labels[r], r < kRows ? ("*X^" + std::to_string(r)).c_str() : "");
    field(101) = "5";  // typed but never solved: nothing is stored, so nothing is asked
    open_input_view(ws.main_window);
    EXPECT_EQ(calls(), input_view);
    EXPECT_EQ(field(101), "");

    const char* typed[] = {"-6", "11", "-6", "1"};
    for (int r = 0; r < 4; ++r) {
        std::strcpy(ws.coef_text_re[r], typed[r]);
        std::strcpy(ws.coef_text_im[r], "0");
        std::strcpy(ws.error_text_re[r], r < 3 ? " 1.2212453e-15" : "");
        std::strcpy(ws.error_text_im[r], r < 3 ? " 0" : "");
    }
    ws.display_mode = kModeRoots;
    show_error_figures();
    EXPECT_EQ(ws.display_mode, kModeErrors);
    EXPECT_EQ(field(101) + "|" + field(133) + "|" + field(104), " 1.2212453e-15| 0|");
    fake.replies.push_back(kIdNo);
    open_input_view(ws.main_window);
    EXPECT_EQ(calls(), (Texts{question[0], input_view[0], input_view[1]}));
    EXPECT_EQ(ws.previous_input_length, 2 + 2 + 2 + 1 + 4 * 1);
    EXPECT_EQ(field(101) + " " + field(134) + " " + field(105), "-6 0 ");
    open_input_view(ws.main_window);  // the fake answers Yes
    EXPECT_EQ(field(101), "");
    open_input_view(ws.main_window);
    EXPECT_EQ(calls(), (Texts{question[0], input_view[0], input_view[1], input_view[0], input_view[1]}));
    EXPECT_EQ(ws.previous_input_length, 0);

    ws.ui_japanese = 1;
    std::strcpy(ws.coef_text_re[0], "1e301");
    fake.replies.push_back(kIdNo);
    open_input_view(ws.main_window);
    EXPECT_EQ(logged("box"), Texts{"box 質問 0x24: 既入力値を廃棄して、\nデータ入力Windowをクリアーしますか？"});
    EXPECT_EQ(field(101), "1e30");
}
