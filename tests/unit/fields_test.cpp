// The grid's fields: the filter while typing and pasting, the guard over
// shown results, and the commands that switch between the views.
#include <gtest/gtest.h>

#include <cstring>

#include "entry/field_filter.h"
#include "entry/view_commands.h"
#include "tests/unit/fake_ui.h"

using Texts = std::vector<std::string>;

static void start(int mode)
{
    reset_fake_ui();
    ws.display_mode = mode;
}

// Typed text loses each character that leaves no number; pasted text loses
// its end one character at a time, through the field's own notification,
// until a number is left. Each cut selects the field's text.
TEST(FieldFilter, TakesBackCharactersUntilANumberIsLeft)
{
    const struct { int field; const char* text; bool pasted; const char* left; int cuts; } cases[] = {
        {101, "-.5", false, "-.5", 0}, {101, "1x", false, "1", 1}, {101, "1e-5", false, "1e-5", 0},
        {101, "1ee", false, "1e", 1}, {101, "+", false, "", 1}, {101, "..", false, ".", 1}, {101, "-x", false, "-", 1},
        {101, "1e301", false, "1e30", 1}, {101, " ", false, "", 1}, {101, "1.5.", false, "1.5", 1},
        {135, "12a34", true, "12", 3}, {103, "+5", true, "+5", 0},
    };
    for (const auto& c : cases) {
        start(kModeInput);
        if (c.pasted)
            ui_set_text(c.field < 131 ? ws.field_re[c.field - 101] : ws.field_im[c.field - 131], c.text);
        else
            type_into(c.field, c.text);
        EXPECT_EQ(field(c.field), c.left) << c.text;
        EXPECT_EQ(logged("select"), Texts(c.cuts, "select " + std::to_string(c.field))) << c.text;
        EXPECT_EQ(std::make_pair(ws.active_re_row, ws.active_im_row),
                  c.field < 131 ? std::make_pair(c.field - 101, -1) : std::make_pair(-1, c.field - 131)) << c.text;
    }
}

// Shown roots and error figures come back whatever is typed or pasted over
// them, and a text equal but for case stays. Error figures need not be
// coefficients: the filter leaves them to the guard, or the two would undo
// each other without end.
TEST(FieldFilter, TheGuardKeepsShownResults)
{
    start(kModeRoots);
    std::strcpy(ws.root_text_re[0], " 3.0000000e+00");
    std::strcpy(ws.root_text_im[1], " 1.2345678e-100");
    type_into(101, "7");
    ui_set_text(ws.field_im[1], "");
    type_into(160, "1");  // beyond the degree the fields stay empty
    EXPECT_EQ(field(101) + "|" + field(132) + "|" + field(160), " 3.0000000e+00| 1.2345678e-100|");
    ui_set_text(ws.field_re[0], " 3.0000000E+00");
    fake.log.clear();
    ui_set_text(ws.field_im[1], ws.root_text_im[1]);  // 15 characters: read whole, left alone
    EXPECT_EQ(fake.log.size(), 1u);
    EXPECT_EQ(field(101), " 3.0000000E+00");

    std::strcpy(ws.error_text_re[0], " Overflow");
    std::strcpy(ws.error_text_im[0], " 1.0000000e+305");
    show_error_figures();
    EXPECT_EQ(field(101) + "|" + field(131) + "|" + field(102), " Overflow| 1.0000000e+305|");
    EXPECT_EQ(ws.display_mode, kModeErrors);
    type_into(101, "x");
    ui_set_text(ws.field_im[0], "");
    EXPECT_EQ(field(101) + "|" + field(131), " Overflow| 1.0000000e+305");
    EXPECT_EQ(logged("select"), Texts{});
}

// From the splash nothing is asked and what was typed goes. Later the
// question comes only when coefficients were stored: No brings them back
// through the filter (a text the Solve command refused comes back as a
// number), Yes discards them.
TEST(ViewCommands, InputCoefficients)
{
    start(kModeSplash);
    field(101) = "5";
    open_input_view(ws.main_window);
    EXPECT_EQ(std::make_pair(fake.log.front(), logged("box")), std::make_pair(std::string("release splash"), Texts{}));
    EXPECT_EQ(std::make_pair(field(101), ws.display_mode), std::make_pair(std::string(), int(kModeInput)));
    for (int r = 0; r < kTextSlots; ++r)
        EXPECT_STREQ(ws.row_labels[r], r < kRows ? ("*X^" + std::to_string(r)).c_str() : "");
    std::strcpy(ws.coef_text_re[0], "1e301");
    std::strcpy(ws.coef_text_im[3], "0");
    ws.ui_japanese = 1;
    fake.log.clear();
    fake.replies.push_back(kIdNo);
    open_input_view(ws.main_window);
    EXPECT_EQ(logged("box"), Texts{"box 質問 0x24: 既入力値を廃棄して、\nデータ入力Windowをクリアーしますか？"});
    EXPECT_EQ(logged("repaint"), Texts{"repaint 0 21 -1 -1"});
    EXPECT_EQ(std::make_tuple(field(101), field(134), ws.previous_input_length), std::make_tuple("1e30", "0", 6));
    open_input_view(ws.main_window);  // the fake answers Yes
    EXPECT_EQ(field(101) + field(134), "");
    fake.log.clear();
    open_input_view(ws.main_window);
    EXPECT_EQ(std::make_pair(logged("box"), ws.previous_input_length), std::make_pair(Texts{}, 0));
}
