// The field filter while typing and pasting, and the guard over shown results.
#include "entry/field_filter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "entry/view_commands.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

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
        reset_fake_ui();
        fake.notify = on_field_command;
        ws.display_mode = kModeInput;
        if (c.pasted)
            ui_set_text(c.field < 131 ? ws.field_re[c.field - 101] : ws.field_im[c.field - 131], c.text);
        else
            type_into(c.field, c.text);
        EXPECT_EQ(field(c.field), c.left) << c.text;
        EXPECT_EQ(logged("select"), std::vector<std::string>(c.cuts, "select " + std::to_string(c.field))) << c.text;
        EXPECT_EQ(std::make_pair(ws.active_re_row, ws.active_im_row),
                  c.field < 131 ? std::make_pair(c.field - 101, -1) : std::make_pair(-1, c.field - 131)) << c.text;
    }
}

// Shown roots and figures come back whatever is typed or pasted over them.
// Error figures need not be coefficients: the filter leaves them to the
// guard, or the two would undo each other without end.
TEST(FieldFilter, TheGuardKeepsShownResults)
{
    reset_fake_ui();
    fake.notify = on_field_command;
    ws.display_mode = kModeRoots;
    std::strcpy(ws.root_text_re[0], " 3.0000000e+00");
    std::strcpy(ws.root_text_im[1], " 1.2345678e-100");
    field(101) = ws.root_text_re[0];
    type_into(101, "7");
    EXPECT_EQ(field(101), " 3.0000000e+00");
    ui_set_text(ws.field_re[0], "");
    EXPECT_EQ(field(101), " 3.0000000e+00");
    ui_set_text(ws.field_re[0], " 3.0000000E+00");  // the same text, as far as case goes
    fake.log.clear();
    ui_set_text(ws.field_im[1], ws.root_text_im[1]);  // 15 characters: read whole, left alone
    EXPECT_EQ(fake.log.size(), 1u);
    type_into(160, "1");  // beyond the degree the fields stay empty
    ws.display_mode = kModeInput;
    type_into(101, "5");
    EXPECT_EQ(field(101) + "|" + field(160), " 3.0000000E+005|");

    std::strcpy(ws.error_text_re[0], " Overflow");
    std::strcpy(ws.error_text_im[0], " 1.0000000e+305");
    for (int pass = 0; pass < 2; ++pass) {
        show_error_figures();
        EXPECT_EQ(ws.display_mode, kModeErrors);
        EXPECT_EQ(field(101) + "|" + field(131) + "|" + field(102), " Overflow| 1.0000000e+305|");
    }
    fake.log.clear();
    type_into(101, "x");
    ui_set_text(ws.field_im[0], "");
    EXPECT_EQ(field(101) + "|" + field(131), " Overflow| 1.0000000e+305");
    EXPECT_EQ(logged("select"), std::vector<std::string>{});
}
