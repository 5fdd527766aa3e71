// The JSON Lines reader: which lines give which equation or which error,
// numbers to the last bit, and lines out of a stream.
#include "batch/jsonl_reader.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "entry/number_test.h"

namespace {

// "error code" or the coefficients as "re,im;..." (%Lg) and "id=...".
std::string reading(const std::string& line, bool highest_first = false)
{
    JsonlEquation e;
    const JsonlError error = parse_equation(line.data(), line.size(), highest_first, &e);
    std::string r = error == JsonlError::None ? "" : std::string(jsonl_error_code(error)) + " ";
    for (std::size_t k = 0; k < e.re.size() && error == JsonlError::None; ++k) {
        char part[64];
        std::snprintf(part, sizeof part, "%Lg,%Lg;", e.re[k], e.im[k]);
        r += part;
    }
    return r + (e.id.empty() ? "" : "id=" + e.id);
}

}  // namespace

TEST(JsonlReader, WhatEachLineGives)
{
    const struct { std::string line; const char* reading; } cases[] = {
        {R"({"coefficients":[-1,0,1]})", "-1,0;0,0;1,0;"},
        {R"( { "id" : [1, {"a":null}] , "coefficients" : [ [1.5,-2] , 3e2 ] } )", "1.5,-2;300,0;id=[1, {\"a\":null}]"},
        {R"({"coefficients":[1,2,0,0],"extra":{"x":[true,false,"\u00e9\n"]}})", "1,0;2,0;0,0;0,0;"},
        {R"({"coefficients":[1],"coefficients":[2,3]})", "2,0;3,0;"},
        {"{\"coefficients\":[1,2],\"id\":\"caf\xC3\xA9 \xF0\x9F\x98\x80\"}", "1,0;2,0;id=\"caf\xC3\xA9 \xF0\x9F\x98\x80\""},
        {R"({"coefficients":[1,2,3]})", "1,0;2,0;3,0;"},
        // The syntax decides first, then the first value found wrong.
        {R"({"coefficients":[1,2]} x)", "bad_json "},
        {R"({"coefficients":[1,2],})", "bad_json "},
        {R"({"coefficients":[01,2]})", "bad_json "},
        {R"({"coefficients":[1.,2]})", "bad_json "},
        {R"({"coefficients":[+1,2]})", "bad_json "},
        {R"({"coefficients":[1,2],"id":NaN})", "bad_json "},
        {R"({'coefficients':[1,2]})", "bad_json "},
        {"{\"coefficients\":[1,2],\"id\":\"\xC0\xAF\"}", "bad_json "},      // overlong
        {"{\"coefficients\":[1,2],\"id\":\"\xED\xA0\x80\"}", "bad_json "},  // a surrogate
        {"{\"coefficients\":[1,2],\"id\":\"\xF4\x90\x80\x80\"}", "bad_json "},
        {"{\"coefficients\":[1,2],\"id\":\"\xE2\x82\"}", "bad_json "},      // cut short
        {"{\"coefficients\":[1,2],\"id\":\"a\tb\"}", "bad_json "},
        {R"({"coefficients":[1,2],"id":"\x"})", "bad_json "},
        {std::string("{\"coefficients\":[1,2]}\0", 23), "bad_json "},
        {"", "bad_json "},
        {R"([1,2])", "no_coefficients "},
        {R"({"coefficients":[],"id":7})", "no_coefficients id=7"},
        {R"({"coefficients":"1 2"})", "no_coefficients "},
        {R"({"coefficient":[1,2]})", "no_coefficients "},
        {R"({"coefficients":[1,NaN],"id":1})", "not_a_number id=1"},
        {R"({"coefficients":[-Infinity,1]})", "not_a_number "},
        {R"({"coefficients":[1,[1]]})", "not_a_number "},
        {R"({"coefficients":[1,[1,2,3]]})", "not_a_number "},
        {R"({"coefficients":[1,"2"]})", "not_a_number "},
        {R"({"coefficients":[1,null,1e99999]})", "not_a_number "},
        {R"({"coefficients":[1,1e99999,null]})", "out_of_range "},
        {R"({"coefficients":[1,[0,-1e-99999]]})", "out_of_range "},
        {R"({"coefficients":[0,[0,-0],0.0e-99999]})", "zero_polynomial "},
        {R"({"coefficients":[5,0,0]})", "degree_zero "},
    };
    for (const auto& c : cases) EXPECT_EQ(reading(c.line), c.reading) << c.line;
    EXPECT_EQ(reading(R"({"coefficients":[1,[2,3],4]})", true), "4,0;2,3;1,0;");
}

TEST(JsonlReader, NestingIsBounded)
{
    auto nested = [](int depth) {
        return R"({"coefficients":[1,2],"id":)" + std::string(depth, '[') + std::string(depth, ']') + "}";
    };
    EXPECT_EQ(reading(nested(kJsonDepth - 1)).substr(0, 12), "1,0;2,0;id=[");
    EXPECT_EQ(reading(nested(kJsonDepth)), "bad_json ");
    EXPECT_EQ(reading(nested(100000)), "bad_json ");
}

// A double printed with 17 digits must come back as that very double once
// rounded to double, and the extended range must be read to its ends; the
// Windows runtime's own conversion fails both.
TEST(JsonlReader, NumbersAreRoundedOnceFromTheirText)
{
    for (double x : {0.1, 1.0 / 3, 2.0 / 3 * 1e-300, DBL_MAX, DBL_MIN, 4.9406564584124654e-324, 123456789.0e100,
                     -9007199254740993.0, 0.30000000000000004}) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", x);
        EXPECT_EQ(static_cast<double>(decimal_to_extended(text)), x) << text;
    }
    const struct { const char* text; long double value; } exact[] = {
        {"1.18973149535723176502e4932", LDBL_MAX},
        {"3.36210314311209350626e-4932", LDBL_MIN},
        {"0.1", 0.1L},
        {"1.0000000000000000001084202172485504434", 1 + LDBL_EPSILON},
        {"1.0000000000000000000542101086242752217003726400434970855712890625", 1},  // half way: to even
        {"1.0000000000000000000542101086242752217003726400434970855712890626", 1 + LDBL_EPSILON},
    };
    for (const auto& c : exact) EXPECT_EQ(decimal_to_extended(c.text), c.value) << c.text;
    EXPECT_EQ(reading(R"({"coefficients":[1.2e4932,1]})"), "out_of_range ");
    EXPECT_EQ(reading(R"({"coefficients":[1e4932,1e-4940]})"), "1e+4932,0;1e-4940,0;");
}

TEST(JsonlReader, LinesComeFromTheStreamAsWritten)
{
    std::FILE* file = std::tmpfile();
    ASSERT_TRUE(file);
    const std::string big(200000, 'x');
    const std::string input = "\xEF\xBB\xBF" "a\r\n\nb\r\r\n" + big + "\n" + "last";
    ASSERT_EQ(std::fwrite(input.data(), 1, input.size(), file), input.size());
    std::fflush(file);
    lseek(fileno(file), 0, SEEK_SET);
    LineReader reader(fileno(file));
    std::string line;
    for (const std::string& expected : {std::string("a"), std::string(), std::string("b\r"), big, std::string("last")}) {
        ASSERT_TRUE(reader.next(&line));
        EXPECT_EQ(line, expected);
    }
    EXPECT_FALSE(reader.next(&line));
    EXPECT_FALSE(reader.failed());
    std::fclose(file);
}
