// drovu-solve: what each command line means and which argument is blamed
// when it means nothing; the numbers it prints for scripts.
#include "batch/batch_options.h"
#include "batch/script_formats.h"
#include "entry/number_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// A command line's meaning as one text: key, rounding digit (-1 off),
// language (0 system, 1 en, 2 ja), format (0 report, 1 csv, 2 json), output,
// files, help/version; or "error" with the OptionError and the argument
// blamed (1 unknown, 2 no value, 3 key, 4 round, 5 lang, 6 format, 7 no file).
static std::string meaning(std::vector<std::string> words)
{
    std::vector<char*> argv = {const_cast<char*>("drovu-solve")};
    for (auto& w : words) argv.push_back(&w[0]);
    BatchOptions o;
    const char* blamed = nullptr;
    const int error = static_cast<int>(parse_options(static_cast<int>(argv.size()), argv.data(), &o, &blamed));
    if (error) return "error " + std::to_string(error) + " " + (blamed ? blamed : "");
    std::string m = key_name(o.key);
    for (int n : {o.rounding_digit, int(o.language), int(o.format)}) m += " " + std::to_string(n);
    m += std::string(" ") + (o.output ? o.output : "-");
    for (int i = 0; i < o.file_count; ++i) m += std::string(" ") + o.files[i];
    return m + (o.help ? " help" : "") + (o.version ? " version" : "") + (o.quiet ? " quiet" : "");
}

TEST(BatchOptions, WhatEachCommandLineMeans)
{
    const struct { std::vector<std::string> args; const char* meaning; } cases[] = {
        {{"a.txt"}, "standard -1 0 0 - a.txt"},  // the window's defaults
        {{"a.txt", "--key", "deflation", "b.txt", "--round=E-8", "-o", "o.txt", "c.txt", "--lang=ja"},
         "deflation 4 2 0 o.txt a.txt b.txt c.txt"},
        {{"--key=param-deflation", "--round", "e-6", "--lang=en", "--format", "csv", "x"}, "param-deflation 2 1 1 - x"},
        {{"--key", "auto", "--round", "E-4", "--round=off", "--format=json", "--output", "o", "x"}, "auto -1 0 2 o x"},
        {{"--key", "param", "x", "--format", "report"}, "param -1 0 0 - x"},
        // After "--" everything is a file; a lone "-" always is one; an
        // option's value never is, even when it names one.
        {{"--", "--key", "-o", "-"}, "standard -1 0 0 - --key -o -"},
        {{"-o", "a.txt", "b.txt"}, "standard -1 0 0 a.txt b.txt"},
        // "-o -" is standard output; "-oFILE" is "-o FILE"; -q is --quiet.
        {{"-oa.txt", "-o", "-", "-q", "b.txt"}, "standard -1 0 0 - b.txt quiet"},
        {{"-o-x", "--quiet", "b"}, "standard -1 0 0 -x b quiet"}, {{"-ox", "b"}, "standard -1 0 0 x b"},
        {{"--help"}, "standard -1 0 0 - help"}, {{"-h"}, "standard -1 0 0 - help"},
        {{"--version"}, "standard -1 0 0 - version"}, {{"--key", "auto"}, "error 7 "},
        {{"--keys", "auto", "x"}, "error 1 --keys"}, {{"x", "--key"}, "error 2 --key"},
        {{"--key=", "x"}, "error 2 --key="}, {{"-o", "", "x"}, "error 2 -o"},
        {{"--key", "Standard", "x"}, "error 3 Standard"}, {{"--round", "E-3", "x"}, "error 4 E-3"},
        {{"--round", "E-44", "x"}, "error 4 E-44"}, {{"--lang", "jp", "x"}, "error 5 jp"},
        {{"--format", "JSON", "x"}, "error 6 JSON"}, {{"--format=xml", "x"}, "error 6 xml"},
        {{"--help", "--bogus"}, "error 1 --bogus"},  // wrong either way
    };
    for (const auto& c : cases) EXPECT_EQ(meaning(c.args), c.meaning) << ::testing::PrintToString(c.args);
}

// Every number reads back as the double printed, with the rounding's digits
// where they suffice; a value that is not finite is no number at all.
TEST(BatchOptions, NumbersReadBackAsTheirDoubles)
{
    const struct { double x; int digits; const char* text; } cases[] = {
        {0.1, kFullDigits, "0.10000000000000001"}, {3, kFullDigits, "3"}, {1.2346, 5, "1.2346"},
        {-3.4355378814386308e-20, kFullDigits, "-3.4355378814386308e-20"}, {1e5, 5, "1e+05"},
        {1.7976931348623157e308, 5, "1.7976931348623157e+308"}, {4.9e-324, 7, "4.940656e-324"},
        {std::nextafter(1.2346, 2.0), 5, "1.2346000000000001"},  // the rounding's double beside 1.2346
    };
    char text[32];
    for (const auto& c : cases) {
        ASSERT_TRUE(format_number(c.x, c.digits, text, sizeof text)) << c.x;
        EXPECT_EQ(std::string(text), c.text);
        EXPECT_EQ(decimal_to_double(text, nullptr), c.x) << text;
    }
    EXPECT_FALSE(format_number(INFINITY, kFullDigits, text, sizeof text) || format_number(NAN, 5, text, 32));
}

// JSON Lines need no file (standard input) and take the fifth key unless
// told otherwise; data files keep the window's default.
TEST(BatchOptions, JsonLinesInput)
{
    const struct { std::vector<std::string> args; int error; BatchKey key; bool highest_first; int files; } cases[] = {
        {{"--input", "jsonl"}, 0, BatchKey::Simultaneous, false, 0},
        {{"--input=jsonl", "--key", "param", "--highest-first", "a", "-"}, 0, BatchKey::Param, true, 2},
        {{"--input", "files", "a"}, 0, BatchKey::Standard, false, 1},
        {{"--input", "files"}, int(OptionError::NoFiles), BatchKey::Standard, false, 0},
        {{"--input", "xml", "a"}, int(OptionError::BadInput), BatchKey::Standard, false, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words = c.args;
        std::vector<char*> argv = {const_cast<char*>("drovu-solve")};
        for (auto& w : words) argv.push_back(&w[0]);
        BatchOptions o;
        const char* blamed = nullptr;
        const int error = int(parse_options(int(argv.size()), argv.data(), &o, &blamed));
        EXPECT_EQ(error, c.error) << c.args[0] << " " << c.args[1];
        if (error) continue;
        EXPECT_EQ(o.key, c.key) << c.args[1];
        EXPECT_EQ(o.highest_first, c.highest_first) << c.args[1];
        EXPECT_EQ(o.file_count, c.files) << c.args[1];
    }
}
