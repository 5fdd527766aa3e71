// The settings dialog's rules for the five settings.
#include "entry/settings_logic.h"

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

// Method index = param_change + 2 * deflation_mode, the order of the radio
// buttons: Standard, "Parameter change", "Deflation", "Param. change + Deflation".
void select_method(int index)
{
    if (index < 0 || index >= kMethodCount) return;
    ws.param_change = index & 1;
    ws.deflation_mode = (index >> 1) & 1;
}

int current_method()
{
    return (ws.param_change ? 1 : 0) + (ws.deflation_mode ? 2 : 0);
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
