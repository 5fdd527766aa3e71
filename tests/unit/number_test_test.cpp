// The number test decides what the Solve command, the filter and the reader
// accept; its value must be the correctly rounded double in both builds.
#include "entry/number_test.h"

#include <gtest/gtest.h>

TEST(NumberTest, AcceptsTheSyntaxAndReadsTheValue)
{
    const struct { const char* text; double value; } cases[] = {
        {"5", 5}, {"5.", 5}, {".5", 0.5}, {"0.25", 0.25}, {"+7", 7}, {"-3.5", -3.5},
        {" \t\n\v\f\r12", 12}, {"1e", 1}, {"1e+", 1}, {"2.5E-", 2.5}, {"2E+", 2}, {"1e-5", 1e-5},
        {"0", 0}, {"-0", 0}, {"0e5", 0}, {"1e300", 1e300}, {"-1e300", -1e300}, {"1e-400", 0},
        {"0.1", 0.1}, {"1.2345678901234", 1.2345678901234}, {"1e00000000000000000002", 100},
        // Halfway cases: only a correctly rounding conversion gets these.
        {"9007199254740993", 9007199254740992.0}, {"2.2250738585072011e-308", 2.2250738585072009e-308},
        {"682757576674849e8", 68275757667484900000000.0}, {"", 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_TRUE(number_test(c.text, &value)) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

TEST(NumberTest, RefusesAnythingElse)
{
    for (const char* text : {" ", "   ", "-", "+", ".", "-.", "+.", "e5", ".e1", "1.2.3", "1 ", "1,5", "1e5.",
                             "1e+-5", "1ee", "- 1", "--1", "inf", "+INF", "-NAN", "nan", "infinity", "0x10",
                             "1e301", "-1.0000001e300", "1e999", "5x", "1d5"}) {
        double value = -1;
        EXPECT_FALSE(number_test(text, &value)) << '"' << text << '"';
        EXPECT_EQ(value, 0) << '"' << text << '"';
    }
}
