// The field filter and the result guard, run for every notification of one
// of the 60 fields.
#include "entry/field_filter.h"

#include <cstring>

#include "entry/number_test.h"
#include "platform/ids.h"
#include "solver/workspace.h"

// Set while the filter has found a text that is not a number.
static int field_not_number = 0;

// Beginnings of a number that are not numbers yet; typing goes through them.
static bool is_permitted_beginning(const char* text, int length)
{
    if (text[0] == '.') return length == 1;
    if (text[0] == '-' && text[1] == '.') return length == 2;
    if (text[0] == '-') return length == 1;
    return false;
}

void filter_field_text(UiHandle field)
{
    // An error figure may exceed what a coefficient may be, or read
    // "Overflow": cutting it would fight the guard, which puts it back, for
    // ever. The guard alone keeps result texts.
    if (ws.display_mode == kModeErrors || ws.display_mode == kModeWritingErrors) return;
    field_not_number = 0;
    std::memset(ws.field_text_re, 0, sizeof ws.field_text_re);
    const int length = ui_get_text(field, ws.field_text_re, kFieldTextSize);
    if (!is_permitted_beginning(ws.field_text_re, length) && !number_test(ws.field_text_re, nullptr))
        field_not_number = 1;
    if (field_not_number == 1) {
        std::memset(ws.field_text_im, 0, sizeof ws.field_text_im);
        std::memcpy(ws.field_text_im, ws.field_text_re, static_cast<std::size_t>(length - 1));
        // The field's change notification brings us back here with the
        // shorter text before this returns; that repetition takes one
        // character after another off the end until a number is left.
        ui_set_text(field, ws.field_text_im);
        ui_sleep(50);
        ui_select_all(field);
        field_not_number = 0;
    }
}

static char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

static bool equal_ignoring_case(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (ascii_lower(*a) != ascii_lower(*b)) return false;
    return *a == *b;
}

void guard_result_field(UiHandle field)
{
    char (*shown_re)[kTextSize];
    char (*shown_im)[kTextSize];
    if (ws.display_mode == kModeRoots) {
        shown_re = ws.root_text_re;
        shown_im = ws.root_text_im;
    } else if (ws.display_mode == kModeErrors) {
        shown_re = ws.error_text_re;
        shown_im = ws.error_text_im;
    } else {
        return;
    }
    const bool re_column = ws.active_im_row == -1;
    const int row = re_column ? ws.active_re_row : ws.active_im_row;
    if (row < 0 || row >= kRows) return;
    const char* shown = re_column ? shown_re[row] : shown_im[row];
    std::memset(ws.field_text_re, 0, sizeof ws.field_text_re);
    ui_get_text(field, ws.field_text_re, kFieldTextSize);
    if (!equal_ignoring_case(ws.field_text_re, shown)) ui_set_text(field, shown);
}

void on_field_command(int control_id)
{
    if (control_id >= IDC_FIELD_RE_FIRST && control_id < IDC_FIELD_IM_FIRST) {
        const int r = control_id - IDC_FIELD_RE_FIRST;
        filter_field_text(ws.field_re[r]);
        ws.active_re_row = r;
        ws.active_im_row = -1;
        guard_result_field(ws.field_re[r]);
    } else if (control_id >= IDC_FIELD_IM_FIRST && control_id <= IDC_FIELD_LAST) {
        const int r = control_id - IDC_FIELD_IM_FIRST;
        filter_field_text(ws.field_im[r]);
        ws.active_re_row = -1;
        ws.active_im_row = r;
        guard_result_field(ws.field_im[r]);
    }
}
