// The command line of drovu-solve: what each argument list means, and which
// argument is blamed when it means nothing.
#include "batch/batch_options.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

struct Parsed {
    OptionError error;
    BatchOptions options;  // output and files cleared: they pointed into the argv that is gone
    std::string offending, output;
    std::string command_line;  // the words in brackets, for failure messages
    std::vector<std::string> files;
};

// Parses "drovu-solve" followed by the words, as a program gets them in argv.
Parsed parse(std::vector<std::string> words)
{
    words.insert(words.begin(), "drovu-solve");
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(&w[0]);
    argv.push_back(nullptr);
    Parsed p;
    for (const auto& w : words) p.command_line += "[" + w + "]";
    const char* offending = nullptr;
    p.error = parse_options(static_cast<int>(words.size()), argv.data(), &p.options, &offending);
    p.offending = offending ? offending : "";
    p.output = p.options.output ? p.options.output : "";
    for (int i = 0; p.error == OptionError::None && i < p.options.file_count; ++i)
        p.files.emplace_back(p.options.files[i]);
    p.options.output = nullptr;
    p.options.files = nullptr;
    return p;
}

using Files = std::vector<std::string>;

TEST(BatchOptions, WhatEachArgumentListMeans)
{
    using K = BatchKey;
    using L = BatchLanguage;
    const struct {
        std::vector<std::string> args;
        BatchKey key;
        int digit;
        BatchLanguage language;
        const char* output;
        Files files;
    } cases[] = {
        {{"a.txt"}, K::Standard, kNoRounding, L::System, "", {"a.txt"}},  // the window's defaults
        {{"a.txt", "--key", "deflation", "b.txt", "--round=E-8", "-o", "out.txt", "c.txt", "--lang=ja"},
         K::Deflation, 4, L::Japanese, "out.txt", {"a.txt", "b.txt", "c.txt"}},
        {{"--key", "param", "--round", "E-4", "x"}, K::Param, 0, L::System, "", {"x"}},
        {{"--key=param-deflation", "--round", "e-6", "--lang", "en", "x"},
         K::ParamDeflation, 2, L::English, "", {"x"}},
        {{"--key", "auto", "--round", "E-5", "--round", "off", "x"}, K::Auto, kNoRounding, L::System, "", {"x"}},
        {{"--key", "standard", "--round", "E-7", "--output", "o", "x"}, K::Standard, 3, L::System, "o", {"x"}},
        // After "--" everything is a file; a lone "-" always is one.
        {{"--", "--key", "-o", "-"}, K::Standard, kNoRounding, L::System, "", {"--key", "-o", "-"}},
        // The value of an option is never taken for a file, even when it names one.
        {{"-o", "a.txt", "b.txt"}, K::Standard, kNoRounding, L::System, "a.txt", {"b.txt"}},
    };
    for (const auto& c : cases) {
        const Parsed p = parse(c.args);
        ASSERT_EQ(p.error, OptionError::None) << p.command_line;
        EXPECT_EQ(std::make_tuple(p.options.key, p.options.rounding_digit, p.options.language, p.output),
                  std::make_tuple(c.key, c.digit, c.language, std::string(c.output)))
            << p.command_line;
        EXPECT_EQ(p.files, c.files) << p.command_line;
    }
    // The name a report gives a key is the one the option takes.
    for (K key : {K::Standard, K::Param, K::Deflation, K::ParamDeflation, K::Auto})
        EXPECT_EQ(parse({"--key", key_name(key), "x"}).options.key, key) << key_name(key);
}

TEST(BatchOptions, ErrorsBlameTheArgumentAndOnlyHelpOrVersionNeedsNoFile)
{
    const struct {
        std::vector<std::string> args;
        OptionError error;
        const char* offending;
    } cases[] = {
        {{"--help"}, OptionError::None, ""},
        {{"-h"}, OptionError::None, ""},
        {{"--version"}, OptionError::None, ""},
        {{"--key", "auto"}, OptionError::NoFiles, ""},
        {{"--keys", "auto", "x"}, OptionError::UnknownOption, "--keys"},
        {{"x", "--key"}, OptionError::MissingValue, "--key"},
        {{"--key=", "x"}, OptionError::MissingValue, "--key="},
        {{"-o", "", "x"}, OptionError::MissingValue, "-o"},
        {{"--key", "Standard", "x"}, OptionError::BadKey, "Standard"},
        {{"--key=deflate", "x"}, OptionError::BadKey, "deflate"},
        {{"--round", "E-3", "x"}, OptionError::BadRounding, "E-3"},
        {{"--round", "E-44", "x"}, OptionError::BadRounding, "E-44"},
        {{"--lang", "jp", "x"}, OptionError::BadLanguage, "jp"},
        // An error wins over --help: the command line is wrong either way.
        {{"--help", "--bogus"}, OptionError::UnknownOption, "--bogus"},
    };
    for (const auto& c : cases) {
        const Parsed p = parse(c.args);
        EXPECT_EQ(std::make_tuple(p.error, p.offending), std::make_tuple(c.error, std::string(c.offending)))
            << p.command_line;
    }
}

}  // namespace
