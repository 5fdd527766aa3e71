// The settings dialog's rules: digit and method tables, the rounding toggle,
// and the copies Cancel puts back.
#include "entry/settings_logic.h"

#include <gtest/gtest.h>

#include "solver/workspace.h"

namespace {

class SettingsLogic : public ::testing::Test {
protected:
    void SetUp() override { reset_workspace(); }
};

bool same(const SettingsCopy& a, const SettingsCopy& b)
{
    return a.rounding_enabled == b.rounding_enabled && a.rounding_digit == b.rounding_digit &&
           a.rounding_scale == b.rounding_scale && a.param_change == b.param_change &&
           a.deflation_mode == b.deflation_mode;
}

TEST_F(SettingsLogic, FirstOpeningFindsRoundingOffAtE6AndStandard)
{
    const SettingsCopy start = keep_settings();
    EXPECT_TRUE(same(start, SettingsCopy{0, 2, 10.0, 0, 0}));
    EXPECT_EQ(current_method(), 0);
}

TEST_F(SettingsLogic, EveryDigitCarriesItsScale)
{
    const struct {
        int index;
        double scale;
    } digits[] = {{0, 1000.0}, {1, 100.0}, {2, 10.0}, {3, 1.0}, {4, 0.1},
                  // Out of range stands for E-6 rather than reading past the table.
                  {-1, 10.0}, {5, 10.0}};
    for (const auto& d : digits) {
        ws.rounding_digit = 0;
        ws.rounding_scale = 1000.0;
        select_digit(d.index);
        EXPECT_EQ(ws.rounding_scale, d.scale) << "digit index " << d.index;
        EXPECT_EQ(ws.rounding_digit, d.index >= 0 && d.index <= 4 ? d.index : 2)
            << "digit index " << d.index;
    }
}

TEST_F(SettingsLogic, MethodsMapToTheTwoFlagsAndBack)
{
    const struct {
        int index, param_change, deflation_mode;
    } methods[] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 1}, {3, 1, 1}};
    for (const auto& m : methods) {
        select_method(m.index);
        EXPECT_EQ(ws.param_change, m.param_change) << "method " << m.index;
        EXPECT_EQ(ws.deflation_mode, m.deflation_mode) << "method " << m.index;
        EXPECT_EQ(current_method(), m.index);
    }
    select_method(4);  // no such button: the method stays
    EXPECT_EQ(current_method(), 3);
}

TEST_F(SettingsLogic, SwitchingRoundingOnKeepsTheDigitAndOffBringsBackE6)
{
    select_digit(4);  // picked while off (cannot happen through the dialog, but harmless)
    EXPECT_EQ(toggle_rounding(), 1);
    EXPECT_EQ(ws.rounding_digit, 4);
    EXPECT_EQ(ws.rounding_scale, 0.1);

    select_digit(0);  // E-4, then the box is cleared again
    EXPECT_EQ(toggle_rounding(), 0);
    EXPECT_EQ(ws.rounding_digit, 2);
    EXPECT_EQ(ws.rounding_scale, 10.0);
}

TEST_F(SettingsLogic, CancelPutsBackWhatWasThereOnOpening)
{
    toggle_rounding();
    select_digit(4);
    select_method(1);
    const SettingsCopy opened = keep_settings();

    toggle_rounding();  // off, digit back to E-6
    select_method(2);
    restore_settings(opened);

    EXPECT_TRUE(same(keep_settings(), SettingsCopy{1, 4, 0.1, 1, 0}));
}

}  // namespace
