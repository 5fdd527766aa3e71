// Showing a solution: clean-up, rounding, texts, the grid.
#include "entry/solution_display.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "entry/result_format.h"
#include "solver/workspace.h"

double shown_value(double x)
{
    // Values below 1e-300 (0 included) have no decimal form worth cleaning.
    if (std::fabs(x) >= 1e-300) x = snap_decimal(x);
    if (ws.rounding_enabled != 1) return x;
    x = round_significant(x, rounding_grid());
    return std::fabs(static_cast<long double>(x)) <= zero_threshold() ? 0 : x;
}

static void format_parts(const double* re, const double* im, int n, char (*text_re)[kTextSize],
                         char (*text_im)[kTextSize])
{
    for (int k = 0; k < kTextSlots; ++k) text_re[k][0] = text_im[k][0] = '\0';
    for (int k = 0; k < n; ++k) {
        format_result(re[k], text_re[k], kTextSize);
        format_result(im[k], text_im[k], kTextSize);
    }
}

void show_solution(UiHandle main_window)
{
    const int n = ws.degree;
    for (int k = 0; k < n; ++k) {
        ws.root_re[k] = shown_value(ws.coef_re[k]);
        ws.root_im[k] = shown_value(ws.coef_im[k]);
        ws.found_root_re[k] = ws.coef_re[k];
        ws.found_root_im[k] = ws.coef_im[k];
        ws.found_error_re[k] = ws.error_re[k];
        ws.found_error_im[k] = ws.error_im[k];
        ws.error_re[k] = shown_value(ws.error_re[k]);
        ws.error_im[k] = shown_value(ws.error_im[k]);
    }

    for (int k = 0; k < kTextSlots; ++k) ws.row_labels[k][0] = '\0';
    for (int k = 0; k < n; ++k) std::snprintf(ws.row_labels[k], kLabelSize, "X(%d)", k + 1);

    format_parts(ws.root_re, ws.root_im, n, ws.root_text_re, ws.root_text_im);
    ui_set_cursor(kCursorArrow);

    // Still in the input view while writing, so the result guard stays out
    // of these writes.
    for (int r = kRows - 1; r >= 0; --r) {
        ui_set_text(ws.field_re[r], ws.root_text_re[r]);
        ui_set_text(ws.field_im[r], ws.root_text_im[r]);
    }
    ws.display_mode = kModeRoots;
    ui_repaint(main_window, 0, 21, -1, -1);

    format_parts(ws.error_re, ws.error_im, n, ws.error_text_re, ws.error_text_im);
}
