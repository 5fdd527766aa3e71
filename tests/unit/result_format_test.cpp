// Decimal clean-up, rounding to significant digits and the result texts.
#include "entry/result_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "solver/workspace.h"

TEST(ResultFormat, SnapRoundAndFormat)
{
    const struct { double x, snapped; } snaps[] = {  // six 9s or 0s end the digits
        {2.9999994, 3}, {-2.9999997, -3}, {-1.2999999, -1.3}, {0.12999999999, 0.13}, {9.9999995, 10},
        {-9.9999995, -10}, {1.0000001, 1}, {123.45600000000002, 123.456}, {1.2340000001234568, 1.234},
        {1.0 / 3, 1.0 / 3}, {-2.0000001, -2.0000001}, {DBL_MAX, DBL_MAX}, {4.9e-324, 4.9e-324}, {INFINITY, INFINITY},
    };
    for (const auto& c : snaps) EXPECT_EQ(snap_decimal(c.x), c.snapped) << c.x;
    EXPECT_TRUE(std::isnan(snap_decimal(NAN)));

    const struct { double x, R, rounded; } roundings[] = {  // log10(R) significant digits, half up
        {1.23456789, 1e5, 1.2346}, {-0.000123456789, 1e5, -0.00012346}, {123456.789, 1e5, 123460},
        {99999.95, 1e5, 100000}, {100000, 1e5, 100000}, {0, 1e5, 0}, {1e-320, 1e3, 1e-320}, {1e300, 1e3, 1e300},
        // The rounded value of the largest double does not exist; the value stays.
        {DBL_MAX, 1e3, DBL_MAX}, {INFINITY, 1e5, INFINITY}, {1.5, 0, 1.5}, {1.5, -1, 1.5},
    };
    for (const auto& c : roundings) EXPECT_EQ(round_significant(c.x, c.R), c.rounded) << c.x << " R " << c.R;
    EXPECT_TRUE(std::isnan(round_significant(NAN, 1e5)));

    const struct { double x; const char* text; } texts[] = {  // at most 15 characters
        {0, " 0"}, {-0.0, " 0"}, {1.5, " 1.5000000e+00"}, {-0.25, "-2.5000000e-01"}, {1e100, " 1.0000000e+100"},
        {-1.2345678e-100, "-1.2345678e-100"}, {12345678.5, " 1.2345678e+07"}, {4.9e-324, " 4.9406565e-324"},
        {INFINITY, " Overflow"}, {-INFINITY, " Overflow"}, {NAN, " Overflow"},
    };
    reset_workspace();
    char text[kTextSize];
    for (const auto& c : texts) {
        format_result(c.x, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.x;
    }
    ws.ui_japanese = 1;
    format_result(NAN, text, sizeof text);
    EXPECT_STREQ(text, " オーバーフロー");  // 15 bytes in Shift-JIS
    format_result(-1.5, text, 6);
    EXPECT_STREQ(text, "-1.50");
}
