// "Input Coefficients" and "Error" through the fake platform.
#include "entry/view_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

// Leaving the splash, typing, solving, the error figures, and back to the
// input twice: No brings the stored coefficients back, Yes discards them.
TEST(InputView, FromTheSplashThroughASolutionAndBack)
{
    reset_fake_ui();
    fake.field_notification = on_field_command;
    fake.field_text[0] = "stale";
    open_input_view(ws.main_window);
    EXPECT_TRUE(fake.message_boxes.empty());
    EXPECT_EQ(fake.splash_releases, 1);
    EXPECT_EQ(ws.display_mode, kModeInput);
    EXPECT_EQ(std::string(ws.row_labels[0]), "*X^0");
    EXPECT_EQ(std::string(ws.row_labels[29]), "*X^29");
    EXPECT_EQ(std::string(ws.row_labels[30]), "");
    EXPECT_EQ(fake_field(101), "");
    ASSERT_EQ(fake.repaints.size(), 1u);
    EXPECT_EQ(fake.repaints[0].top, 21);
    EXPECT_EQ(fake.field_shifts, std::vector<int>{0});

    // Typed but never solved: nothing is stored, so nothing is asked.
    fake.field_text[0] = "5";
    open_input_view(ws.main_window);
    EXPECT_TRUE(fake.message_boxes.empty());
    EXPECT_EQ(fake.splash_releases, 1);
    EXPECT_EQ(fake_field(101), "");

    // A cubic; row 5 lies beyond the empty row 4.
    const char* re[] = {"-6", "11", "-6", "1", "", "9"};
    for (int r = 0; r < 6; ++r) {
        fake.field_text[r] = re[r];
        fake.field_text[kRows + r] = re[r][0] ? "0" : "";
    }
    run_solution(ws.main_window);
    ASSERT_EQ(ws.display_mode, kModeRoots);
    for (int pass = 0; pass < 2; ++pass) {
        show_error_figures();
        EXPECT_EQ(ws.display_mode, kModeErrors);
        EXPECT_EQ(fake_field(101), ws.error_text_re[0]);
        EXPECT_EQ(fake_field(133), ws.error_text_im[2]);
        EXPECT_EQ(fake_field(104), "");
        EXPECT_EQ(std::string(ws.row_labels[2]), "X(3)");
    }
    fake.message_replies.push_back(kIdNo);
    open_input_view(ws.main_window);
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_EQ(fake.message_boxes[0].caption, "Question");
    EXPECT_EQ(fake.message_boxes[0].style, 0x24u);
    EXPECT_EQ(ws.previous_input_length, 2 + 2 + 2 + 1 + 4 * 1);
    EXPECT_EQ(fake_field(101), "-6");
    EXPECT_EQ(fake_field(134), "0");
    EXPECT_EQ(fake_field(106), "");  // beyond the first empty row: never stored
    EXPECT_EQ(std::string(ws.row_labels[3]), "*X^3");
    EXPECT_EQ(fake.splash_releases, 1);

    open_input_view(ws.main_window);  // the fake answers Yes
    EXPECT_EQ(fake.message_boxes.size(), 2u);
    EXPECT_EQ(fake_field(101), "");
    open_input_view(ws.main_window);
    EXPECT_EQ(fake.message_boxes.size(), 2u);
    EXPECT_EQ(ws.previous_input_length, 0);
}

TEST(InputView, ARefusedTextComesBackAsANumber)
{
    reset_fake_ui();
    fake.field_notification = on_field_command;
    ws.display_mode = kModeInput;
    ws.ui_japanese = 1;
    fake.field_text[0] = "1e301";
    fake.field_text[kRows] = "0";
    run_solution(ws.main_window);
    fake.message_replies.push_back(kIdNo);
    open_input_view(ws.main_window);
    EXPECT_EQ(fake.message_boxes[1].caption, "質問");
    EXPECT_EQ(fake_field(101), "1e30");
}
