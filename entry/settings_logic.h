// What the settings dialog does to the five settings of the workspace, apart
// from the controls: the digit and method tables, the rounding toggle and the
// copies that Cancel puts back.
#pragma once

constexpr int kDigitCount = 5;   // E-4 .. E-8
constexpr int kDigitDefault = 2; // E-6
constexpr int kMethodCount = 4;  // Standard, parameter change, deflation, both

// rounding_scale paired with each rounding_digit: the rounding grid of the
// results is base_tolerance * scale, so index 2 (E-6) is 10.
constexpr double kDigitScales[kDigitCount] = {1000.0, 100.0, 10.0, 1.0, 0.1};

// The five settings as they were when the dialog opened.
struct SettingsCopy {
    int rounding_enabled;
    int rounding_digit;
    double rounding_scale;
    int param_change;
    int deflation_mode;
};

SettingsCopy keep_settings();
void restore_settings(const SettingsCopy& copy);

// Sets rounding_digit to index and rounding_scale to its pair. An index out
// of 0..4 stands for E-6, so the scale table is never read outside its bounds.
void select_digit(int index);

// Sets param_change and deflation_mode for method index 0..3 (Standard,
// "Parameter change", "Deflation", both); other indexes are ignored.
void select_method(int index);

// The method index 0..3 that the two flags name.
int current_method();

// Switches rounding on or off and returns the new rounding_enabled. Switching
// it off always brings the digit back to E-6; switching it on keeps the digit.
int toggle_rounding();
