// The settings dialog's rules: digit and method tables, the rounding toggle,
// and the copies Cancel puts back.
#include "entry/settings_logic.h"

#include <gtest/gtest.h>

#include <tuple>

#include "solver/workspace.h"

namespace {

class SettingsLogic : public ::testing::Test {
protected:
    void SetUp() override { reset_workspace(); }

    static std::tuple<int, int, double, int, int> now()
    {
        const SettingsCopy c = keep_settings();
        return {c.rounding_enabled, c.rounding_digit, c.rounding_scale, c.param_change, c.deflation_mode};
    }
};

TEST_F(SettingsLogic, EveryDigitCarriesItsScale)
{
    const struct {
        int index, digit;
        double scale;
    } digits[] = {{0, 0, 1000.0}, {1, 1, 100.0}, {2, 2, 10.0}, {3, 3, 1.0}, {4, 4, 0.1},
                  // Out of range stands for E-6 rather than reading past the table.
                  {-1, 2, 10.0},  {5, 2, 10.0}};
    for (const auto& d : digits) {
        select_digit(0);
        select_digit(d.index);
        EXPECT_EQ(std::make_tuple(ws.rounding_digit, ws.rounding_scale), std::make_tuple(d.digit, d.scale))
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
        EXPECT_EQ(std::make_tuple(ws.param_change, ws.deflation_mode, current_method()),
                  std::make_tuple(m.param_change, m.deflation_mode, m.index))
            << "method " << m.index;
    }
    select_method(4);  // no such button: the method stays
    EXPECT_EQ(current_method(), 3);
}

TEST_F(SettingsLogic, RoundingOffBringsBackE6AndCancelPutsBackWhatWasThereOnOpening)
{
    EXPECT_EQ(now(), std::make_tuple(0, 2, 10.0, 0, 0));  // first opening: off at E-6, Standard
    EXPECT_EQ(toggle_rounding(), 1);
    select_digit(4);
    select_method(1);
    const SettingsCopy opened = keep_settings();
    EXPECT_EQ(toggle_rounding(), 0);
    EXPECT_EQ(now(), std::make_tuple(0, 2, 10.0, 1, 0));
    select_method(2);
    restore_settings(opened);
    EXPECT_EQ(now(), std::make_tuple(1, 4, 0.1, 1, 0));
}

}  // namespace
