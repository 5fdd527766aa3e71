// "Input Coefficients" and "Error": the commands that switch the grid
// between the input view and the error figures.
#include "entry/view_commands.h"

#include <cstdio>

#include "entry/entry_texts.h"
#include "solver/workspace.h"

static void empty_coefficient_texts()
{
    for (int r = 0; r < kTextSlots; ++r) ws.coef_text_re[r][0] = ws.coef_text_im[r][0] = '\0';
}

static int text_length(const char* text)
{
    int length = 0;
    while (length < kTextSize && text[length] != '\0') ++length;
    return length;
}

static int stored_input_length()
{
    int length = 0;
    for (int r = 0; r < kRows; ++r) length += text_length(ws.coef_text_re[r]) + text_length(ws.coef_text_im[r]);
    return length;
}

void open_input_view(UiHandle main_window)
{
    ws.previous_input_length = stored_input_length();
    if (ws.previous_input_length != 0) {
        const int answer = show_message(main_window, entry_text(EntryText::DiscardQuestion),
                                        kCaptionQuestion, kMbYesNo | kMbIconQuestion);
        if (answer == kIdYes) empty_coefficient_texts();
    }
    if (ws.display_mode == kModeSplash) {
        empty_coefficient_texts();
        ui_release_splash();
    }
    for (int i = 0; i < kTextSlots; ++i) ws.row_labels[i][0] = '\0';
    for (int i = 0; i < kRows; ++i) std::snprintf(ws.row_labels[i], kLabelSize, "*X^%d", i);
    ws.display_mode = kModeInput;
    ui_repaint(main_window, 0, 21, -1, -1);
    ui_shift_fields(0);
    // Every write passes the field filter, so a stored text that was refused
    // as a number comes back shortened to one.
    for (int r = 0; r < kRows; ++r) ui_set_text(ws.field_re[r], ws.coef_text_re[r]);
    for (int r = 0; r < kRows; ++r) ui_set_text(ws.field_im[r], ws.coef_text_im[r]);
}

void show_error_figures()
{
    // A mode of its own while writing keeps the result guard, which compares
    // against the error texts only in the error view, out of these writes.
    ws.display_mode = kModeWritingErrors;
    for (int r = kRows - 1; r >= 0; --r) {
        ui_set_text(ws.field_re[r], ws.error_text_re[r]);
        ui_set_text(ws.field_im[r], ws.error_text_im[r]);
    }
    ws.display_mode = kModeErrors;
}
