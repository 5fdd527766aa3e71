// The settings dialog's rules beyond what the Solve command's tests see at
// work: the method the flags name, a digit out of range, rounding switched
// off, and the copies Cancel puts back.
#include "entry/settings_logic.h"

#include <gtest/gtest.h>

#include "solver/workspace.h"

TEST(SettingsLogic, MethodsDigitsRoundingAndCancel)
{
    const auto settings = [] {
        return std::make_tuple(ws.rounding_enabled, ws.rounding_digit, ws.rounding_scale, ws.param_change, ws.deflation_mode);
    };
    reset_workspace();
    EXPECT_EQ(settings(), std::make_tuple(0, 2, 10.0, 0, 0));  // first opening: off at E-6, Standard
    for (int method : {1, 2, 3, 4, 0}) {  // there is no method 4: the method stays
        select_method(method);
        EXPECT_EQ(current_method(), method == 4 ? 3 : method);
    }
    for (int index : {-1, 5}) {  // stands for E-6 rather than reading past the table
        select_digit(0);
        select_digit(index);
        EXPECT_EQ(std::make_tuple(ws.rounding_digit, ws.rounding_scale), std::make_tuple(2, 10.0)) << index;
    }
    EXPECT_EQ(toggle_rounding(), 1);
    select_digit(4);
    select_method(1);
    const SettingsCopy opened = keep_settings();
    EXPECT_EQ(toggle_rounding(), 0);  // off brings back E-6
    EXPECT_EQ(settings(), std::make_tuple(0, 2, 10.0, 1, 0));
    select_method(2);
    restore_settings(opened);
    EXPECT_EQ(settings(), std::make_tuple(1, 4, 0.1, 1, 0));
}
