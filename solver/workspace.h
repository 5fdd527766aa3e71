// The one record of program-lifetime state that every part of Drovu shares:
// the equation, its roots and error figures, the settings and the few pieces
// of window state more than one part reads.
#pragma once

#include "platform/ui.h"

constexpr int kRows = 30;        // grid rows; the degree is at most kRows - 1
constexpr int kTextSlots = 31;   // text arrays have one slot more than rows
constexpr int kTextSize = 18;    // bytes of one coefficient/root/error text
constexpr int kLabelSize = 16;   // bytes of one row label
constexpr int kFieldTextSize = 16;  // a field holds at most 15 characters
constexpr int kPathSize = 258;
constexpr int kToolbarButtons = 11;

struct ToolbarButton {
    UiHandle button;
    char up_name[12];
    char down_name[12];
    char inactive_name[12];
};

struct Workspace {
    // Equation. coef_re/coef_im and work_re/work_im are in solver order:
    // entry k multiplies X^(degree - k), entry 0 is the highest power. The
    // Solve command reads the grid into saved_coef_re/im in row order (entry
    // r multiplies X^r) until scale_coefficients keeps the solver-order
    // coefficients there; root_re/root_im hold the scaled coefficients
    // between the scaling and the error figures, then the roots.
    int degree;
    double coef_re[kRows], coef_im[kRows];
    double saved_coef_re[kRows], saved_coef_im[kRows];
    long double work_re[kRows], work_im[kRows];
    double root_re[kRows], root_im[kRows];
    double error_re[kRows], error_im[kRows];
    // The roots and error figures as the finder computed them, each rounded
    // once to double, before the display's decimal clean-up: what
    // drovu-solve gives scripts.
    double found_root_re[kRows], found_root_im[kRows];
    double found_error_re[kRows], found_error_im[kRows];
    // The coefficients as typed, in solver order, in extended precision:
    // the Solve command keeps them for the simultaneous iteration only.
    long double typed_coef_re[kRows], typed_coef_im[kRows];
    double coef_scale;
    double tolerance_divisor;
    double base_tolerance;
    int roots_accurate;

    // Settings, chosen in the settings dialog; they last for one run.
    int rounding_enabled;
    int rounding_digit;
    double rounding_scale;
    int param_change;
    int deflation_mode;
    // The fifth key, simultaneous iteration: only drovu-solve sets it; the
    // window's settings dialog offers the other four.
    int simultaneous_iteration;

    // Texts: NUL-terminated, in the ANSI code page.
    char coef_text_re[kTextSlots][kTextSize], coef_text_im[kTextSlots][kTextSize];
    char root_text_re[kTextSlots][kTextSize], root_text_im[kTextSlots][kTextSize];
    char error_text_re[kTextSlots][kTextSize], error_text_im[kTextSlots][kTextSize];
    char row_labels[kTextSlots][kLabelSize];
    char field_text_re[kFieldTextSize], field_text_im[kFieldTextSize];
    char file_name[kPathSize];
    char help_path_en[kPathSize], help_path_ja[kPathSize];

    // Window state shared between the parts.
    int ui_japanese;
    int os_style_code;
    int display_mode;
    UiHandle field_re[kRows], field_im[kRows];
    int active_re_row, active_im_row;
    int previous_input_length;
    void* splash_surface;
    int hover_label_state;
    ToolbarButton toolbar_buttons[kToolbarButtons];
    UiHandle main_window;
    void* program_instance;
};

extern Workspace ws;

// Puts every member back to its start-up value (zeros, and the defaults
// below). The program calls it once; tests call it before every case.
void reset_workspace();

// What the grid shows: the values of ws.display_mode.
constexpr int kModeSplash = 0;
constexpr int kModeInput = 1;
constexpr int kModeRoots = 2;
constexpr int kModeErrors = 3;
constexpr int kModeWritingErrors = 4;
