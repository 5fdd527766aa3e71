// Decimal clean-up, rounding to significant digits and result texts.
#include "entry/result_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "solver/workspace.h"

static std::string formatted(double x)
{
    char text[kTextSize];
    format_result(x, text, sizeof text);
    return text;
}

TEST(SnapDecimal, CleansRunsOfNinesAndZeros)
{
    const struct { double x, snapped; } cases[] = {
        {2.9999994, 3}, {1.0000001, 1}, {-1.2999999, -1.3}, {123.45600000000002, 123.456},
        {9.9999995, 10}, {-9.9999995, -10}, {1.2340000001234568, 1.234}, {1.0 / 3, 1.0 / 3},
        {-2.0000001, -2.0000001}, {-2.9999997, -3}, {0.12999999999, 0.13}, {7e-250, 7e-250},
        {DBL_MAX, DBL_MAX}, {4.9e-324, 4.9e-324}, {-0.0, -0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(snap_decimal(c.x), c.snapped) << c.x;
    EXPECT_TRUE(std::isinf(snap_decimal(INFINITY)));
    EXPECT_TRUE(std::isnan(snap_decimal(NAN)));
}

TEST(RoundSignificant, KeepsTheDigitsOfTheGrid)
{
    const struct { double x, R, rounded; } cases[] = {
        {1.23456789, 1e5, 1.2346}, {-0.000123456789, 1e5, -0.00012346}, {123456.789, 1e5, 123460},
        {99999.95, 1e5, 100000}, {100000, 1e5, 100000}, {0, 1e5, 0}, {1.23456789, 1e7, 1.234568},
        {1.23456789, 1e3, 1.23}, {3.7e-7, 1e5, 3.7e-7}, {-2.5, 1e3, -2.5}, {1e-320, 1e3, 1e-320},
        {1e300, 1e3, 1e300},
        // The rounded value of the largest double does not exist; the value stays.
        {DBL_MAX, 1e3, DBL_MAX}, {INFINITY, 1e5, INFINITY}, {1.5, 0, 1.5}, {1.5, -1, 1.5},
    };
    for (const auto& c : cases) EXPECT_EQ(round_significant(c.x, c.R), c.rounded) << c.x << " R " << c.R;
    EXPECT_TRUE(std::isnan(round_significant(NAN, 1e5)));
}

TEST(RoundSignificant, GridAndThresholdFollowTheSetting)
{
    reset_workspace();
    const double scales[] = {1000, 100, 10, 1, 0.1}, grids[] = {1e3, 1e4, 1e5, 1e6, 1e7};
    for (int i = 0; i < 5; ++i) {
        ws.rounding_scale = scales[i];
        EXPECT_EQ(rounding_grid(), grids[i]);
        EXPECT_DOUBLE_EQ(static_cast<double>(zero_threshold()), 1e-4 / std::pow(10.0, i));
    }
}

TEST(FormatResult, FitsAField)
{
    const struct { double x; const char* text; } cases[] = {
        {0, " 0"}, {-0.0, " 0"}, {1.5, " 1.5000000e+00"}, {-0.25, "-2.5000000e-01"},
        {1e100, " 1.0000000e+100"}, {-1.2345678e-100, "-1.2345678e-100"}, {12345678.5, " 1.2345678e+07"},
        {-3.4355379e-20, "-3.4355379e-20"}, {DBL_MAX, " 1.7976931e+308"}, {4.9e-324, " 4.9406565e-324"},
        {INFINITY, " Overflow"}, {-INFINITY, " Overflow"}, {NAN, " Overflow"},
    };
    reset_workspace();
    for (const auto& c : cases) EXPECT_EQ(formatted(c.x), c.text) << c.x;
    ws.ui_japanese = 1;
    EXPECT_EQ(formatted(INFINITY), " オーバーフロー");
    EXPECT_LE(formatted(INFINITY).size(), 15u);
    char small[6];
    format_result(-1.5, small, sizeof small);
    EXPECT_STREQ(small, "-1.50");
}
