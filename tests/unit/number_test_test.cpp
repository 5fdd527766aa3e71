// The number test decides what the Solve command, the filter and the reader
// accept; its value must be the correctly rounded double in both builds.
#include "entry/number_test.h"

#include <gtest/gtest.h>

TEST(NumberTest, SyntaxAndValue)
{
    const struct { const char* text; bool accepted; double value; } cases[] = {
        {"5", true, 5}, {"5.", true, 5}, {".5", true, 0.5}, {"+7", true, 7}, {"-3.5", true, -3.5},
        {" \t\n\v\f\r12", true, 12}, {"", true, 0}, {"0", true, 0}, {"-0", true, 0},
        // An exponent mark without digits counts as exponent 0.
        {"1e", true, 1}, {"2E+", true, 2}, {"2.5E-", true, 2.5}, {"1e-5", true, 1e-5},
        {"1e00000000000000000002", true, 100}, {"1e-400", true, 0},
        {"1e300", true, 1e300}, {"-1e300", true, -1e300}, {"1e301", false, 0}, {"-1.0000001e300", false, 0},
        // Halfway cases: only a correctly rounding conversion gets these.
        {"9007199254740993", true, 9007199254740992.0}, {"682757576674849e8", true, 68275757667484900000000.0},
        {"2.2250738585072011e-308", true, 2.2250738585072009e-308},
        {" ", false, 0}, {"-", false, 0}, {"+", false, 0}, {".", false, 0}, {"-.", false, 0}, {"e5", false, 0},
        {".e1", false, 0}, {"1.2.3", false, 0}, {"1 ", false, 0}, {"1,5", false, 0}, {"1e5.", false, 0},
        {"1e+-5", false, 0}, {"1ee", false, 0}, {"- 1", false, 0}, {"--1", false, 0}, {"inf", false, 0},
        {"-NAN", false, 0}, {"0x10", false, 0}, {"5x", false, 0}, {"1d5", false, 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(number_test(c.text, &value), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}
