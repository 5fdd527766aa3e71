// The settings dialog's rules for the five settings.
#include "entry/settings_logic.h"

#include "solver/solve_driver.h"
#include "solver/workspace.h"

SettingsCopy keep_settings()
{
    return {ws.rounding_enabled, ws.rounding_digit, ws.rounding_scale, ws.param_change,
            ws.deflation_mode};
}

void restore_settings(const SettingsCopy& copy)
{
    ws.rounding_enabled = copy.rounding_enabled;
    ws.rounding_digit = copy.rounding_digit;
    ws.rounding_scale = copy.rounding_scale;
    ws.param_change = copy.param_change;
    ws.deflation_mode = copy.deflation_mode;
}

void select_digit(int index)
{
    if (index < 0 || index >= kDigitCount) index = kDigitDefault;
    ws.rounding_digit = index;
    ws.rounding_scale = kDigitScales[index];
}

// The radio buttons list the first four keys to solution in their order:
// Standard, "Parameter change", "Deflation", "Param. change + Deflation".
static_assert(kMethodCount == static_cast<int>(SolveKey::Simultaneous), "the dialog offers the four Newton keys");

void select_method(int index)
{
    if (index < 0 || index >= kMethodCount) return;
    set_workspace_key(static_cast<SolveKey>(index));
}

int current_method()
{
    return static_cast<int>(workspace_key());
}

int toggle_rounding()
{
    if (ws.rounding_enabled) {
        select_digit(kDigitDefault);
        ws.rounding_enabled = 0;
    } else {
        ws.rounding_enabled = 1;
    }
    return ws.rounding_enabled;
}
