// Showing a solution: clean-up, rounding, texts, the grid.
#include "entry/solution_display.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "entry/result_format.h"
#include "solver/workspace.h"

// Values below 1e-300 (0 included) have no decimal form worth cleaning.
static void snap_parts(double* re, double* im, int n)
{
    for (int k = 0; k < n; ++k) {
        if (std::fabs(re[k]) >= 1e-300) re[k] = snap_decimal(re[k]);
        if (std::fabs(im[k]) >= 1e-300) im[k] = snap_decimal(im[k]);
    }
}

static void round_parts(double* re, double* im, int n, double grid, long double threshold)
{
    for (int k = 0; k < n; ++k) {
        re[k] = round_significant(re[k], grid);
        im[k] = round_significant(im[k], grid);
    }
    for (int k = 0; k < n; ++k) {
        if (std::fabs(static_cast<long double>(re[k])) <= threshold) re[k] = 0;
        if (std::fabs(static_cast<long double>(im[k])) <= threshold) im[k] = 0;
    }
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
        ws.root_re[k] = ws.coef_re[k];
        ws.root_im[k] = ws.coef_im[k];
        ws.found_root_re[k] = ws.coef_re[k];
        ws.found_root_im[k] = ws.coef_im[k];
        ws.found_error_re[k] = ws.error_re[k];
        ws.found_error_im[k] = ws.error_im[k];
    }
    snap_parts(ws.root_re, ws.root_im, n);
    snap_parts(ws.error_re, ws.error_im, n);

    for (int k = 0; k < kTextSlots; ++k) ws.row_labels[k][0] = '\0';
    for (int k = 0; k < n; ++k) std::snprintf(ws.row_labels[k], kLabelSize, "X(%d)", k + 1);

    if (ws.rounding_enabled == 1) {
        const double grid = rounding_grid();
        const long double threshold = zero_threshold();
        round_parts(ws.root_re, ws.root_im, n, grid, threshold);
        round_parts(ws.error_re, ws.error_im, n, grid, threshold);
    }
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
