// The field filter while typing and pasting, and the guard over shown results.
#include "entry/field_filter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "entry/view_commands.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

void start(int mode)
{
    reset_fake_ui();
    fake.field_notification = on_field_command;
    ws.display_mode = mode;
}

}  // namespace

// Typed text loses each character that leaves no number; pasted text loses
// its end one character at a time until a number is left.
TEST(FieldFilter, TakesBackCharactersUntilANumberIsLeft)
{
    const struct { int field; const char* text; bool pasted; const char* left; int removals; } cases[] = {
        {101, "-.5", false, "-.5", 0}, {101, "1x", false, "1", 1},    {101, "1e-5", false, "1e-5", 0},
        {101, "1ee", false, "1e", 1},  {101, "+", false, "", 1},      {101, "..", false, ".", 1},
        {101, "-x", false, "-", 1},    {101, "1e301", false, "1e30", 1}, {101, " ", false, "", 1},
        {101, "1.5.", false, "1.5", 1}, {135, "12a34", true, "12", 3}, {103, "+5", true, "+5", 0},
    };
    for (const auto& c : cases) {
        start(kModeInput);
        if (c.pasted)
            ui_set_text(c.field < 131 ? ws.field_re[c.field - 101] : ws.field_im[c.field - 131], c.text);
        else
            fake_type(c.field, c.text);
        EXPECT_EQ(fake_field(c.field), c.left) << c.text;
        EXPECT_EQ(fake.sleeps, std::vector<unsigned>(c.removals, 50)) << c.text;
        EXPECT_EQ(fake.select_alls, std::vector<int>(c.removals, c.field)) << c.text;
        EXPECT_EQ(ws.active_re_row, c.field < 131 ? c.field - 101 : -1) << c.text;
        EXPECT_EQ(ws.active_im_row, c.field < 131 ? -1 : c.field - 131) << c.text;
    }
}

TEST(ResultGuard, PutsShownResultsBack)
{
    start(kModeRoots);
    std::strcpy(ws.root_text_re[0], " 3.0000000e+00");
    std::strcpy(ws.root_text_im[1], " 1.2345678e-100");
    fake.field_text[0] = ws.root_text_re[0];
    fake_type(101, "7");
    EXPECT_EQ(fake_field(101), " 3.0000000e+00");
    ui_set_text(ws.field_re[0], "");
    EXPECT_EQ(fake_field(101), " 3.0000000e+00");
    ui_set_text(ws.field_re[0], " 3.0000000E+00");  // the same text, as far as case goes
    EXPECT_EQ(fake_field(101), " 3.0000000E+00");

    fake.set_text_calls = 0;
    ui_set_text(ws.field_im[1], ws.root_text_im[1]);  // 15 characters: read whole, left alone
    EXPECT_EQ(fake.set_text_calls, 1);
    fake_type(160, "1");  // beyond the degree the fields stay empty
    EXPECT_EQ(fake_field(160), "");

    ws.display_mode = kModeInput;
    fake_type(101, "5");
    EXPECT_EQ(fake_field(101), " 3.0000000E+005");
}

TEST(ResultGuard, KeepsErrorFiguresThatAreNoCoefficients)
{
    // Such figures are not numbers to the filter; the filter must not cut
    // them, or filter and guard would undo each other without end.
    start(kModeInput);
    std::strcpy(ws.error_text_re[0], " Overflow");
    std::strcpy(ws.error_text_im[0], " 1.0000000e+305");
    std::strcpy(ws.error_text_re[1], " 0");
    for (int pass = 0; pass < 2; ++pass) {
        show_error_figures();
        EXPECT_EQ(ws.display_mode, kModeErrors);
        EXPECT_EQ(fake_field(101), " Overflow");
        EXPECT_EQ(fake_field(131), " 1.0000000e+305");
        EXPECT_EQ(fake_field(102), " 0");
        EXPECT_EQ(fake_field(132), "");
    }
    fake_type(101, "x");
    EXPECT_EQ(fake_field(101), " Overflow");
    ui_set_text(ws.field_im[0], "");
    EXPECT_EQ(fake_field(131), " 1.0000000e+305");
    EXPECT_TRUE(fake.sleeps.empty());
}
