// The command line of drovu-solve: what each argument list means, and which
// argument is blamed when it means nothing.
#include "batch/batch_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// argv as a program gets it, from a space-free list of words.
struct Args {
    std::vector<std::string> words;
    std::vector<char*> argv;

    explicit Args(std::vector<std::string> list) : words(std::move(list))
    {
        words.insert(words.begin(), "drovu-solve");
        for (auto& w : words) argv.push_back(&w[0]);
        argv.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(words.size()); }
};

struct Parsed {
    OptionError error;
    BatchOptions options;
    std::string offending;
    std::string output;
    std::vector<std::string> files;
};

Parsed parse(std::vector<std::string> list)
{
    Args args(std::move(list));
    Parsed p;
    const char* offending = nullptr;
    p.error = parse_options(args.argc(), args.argv.data(), &p.options, &offending);
    p.offending = offending ? offending : "";
    p.output = p.options.output ? p.options.output : "";
    for (int i = 0; p.error == OptionError::None && i < p.options.file_count; ++i)
        p.files.emplace_back(p.options.files[i]);
    // Both point into args, which ends here.
    p.options.output = nullptr;
    p.options.files = nullptr;
    return p;
}

using Files = std::vector<std::string>;

TEST(BatchOptions, DefaultsAreTheWindowsSettings)
{
    Parsed p = parse({"a.txt"});
    ASSERT_EQ(p.error, OptionError::None);
    EXPECT_EQ(p.options.key, BatchKey::Standard);
    EXPECT_EQ(p.options.rounding_digit, kNoRounding);
    EXPECT_EQ(p.options.language, BatchLanguage::System);
    EXPECT_EQ(p.output, "");
    EXPECT_FALSE(p.options.help);
    EXPECT_EQ(p.files, Files{"a.txt"});
}

TEST(BatchOptions, OptionsAndFilesInAnyOrder)
{
    Parsed p = parse({"a.txt", "--key", "deflation", "b.txt", "--round=E-8", "-o", "out.txt", "c.txt",
                      "--lang=ja"});
    ASSERT_EQ(p.error, OptionError::None);
    EXPECT_EQ(p.options.key, BatchKey::Deflation);
    EXPECT_EQ(p.options.rounding_digit, 4);
    EXPECT_EQ(p.options.language, BatchLanguage::Japanese);
    EXPECT_EQ(p.output, "out.txt");
    EXPECT_EQ(p.files, (Files{"a.txt", "b.txt", "c.txt"}));
}

TEST(BatchOptions, EveryKeyAndRoundingByName)
{
    // The first four in the order of the settings dialog's methods.
    const struct {
        const char* name;
        BatchKey key;
    } keys[] = {{"standard", BatchKey::Standard},
                {"param", BatchKey::Param},
                {"deflation", BatchKey::Deflation},
                {"param-deflation", BatchKey::ParamDeflation},
                {"auto", BatchKey::Auto}};
    for (int i = 0; i < 5; ++i) {
        Parsed p = parse({"--key", keys[i].name, "x"});
        ASSERT_EQ(p.error, OptionError::None) << keys[i].name;
        EXPECT_EQ(p.options.key, keys[i].key) << keys[i].name;
        EXPECT_EQ(static_cast<int>(keys[i].key), i) << keys[i].name;
        EXPECT_STREQ(key_name(keys[i].key), keys[i].name);
    }
    const char* roundings[] = {"E-4", "E-5", "e-6", "E-7", "E-8"};
    for (int digit = 0; digit < 5; ++digit)
        EXPECT_EQ(parse({"--round", roundings[digit], "x"}).options.rounding_digit, digit) << roundings[digit];
    EXPECT_EQ(parse({"--round", "E-5", "--round", "off", "x"}).options.rounding_digit, kNoRounding);
}

TEST(BatchOptions, FilesThatLookLikeOptions)
{
    // After "--" everything is a file; a lone "-" always is one.
    Parsed p = parse({"--", "--key", "-o", "-"});
    ASSERT_EQ(p.error, OptionError::None);
    EXPECT_EQ(p.files, (Files{"--key", "-o", "-"}));
    EXPECT_EQ(p.options.key, BatchKey::Standard);
    // The value of an option is never taken for a file, even when it names one.
    p = parse({"-o", "a.txt", "b.txt"});
    EXPECT_EQ(p.files, Files{"b.txt"});
}

TEST(BatchOptions, HelpAndVersionNeedNoFile)
{
    EXPECT_EQ(parse({"--help"}).error, OptionError::None);
    EXPECT_TRUE(parse({"-h"}).options.help);
    EXPECT_TRUE(parse({"--version"}).options.version);
    EXPECT_EQ(parse({}).error, OptionError::NoFiles);
    EXPECT_EQ(parse({"--key", "auto"}).error, OptionError::NoFiles);
}

TEST(BatchOptions, ErrorsBlameTheArgument)
{
    const struct {
        std::vector<std::string> args;
        OptionError error;
        const char* offending;
    } cases[] = {
        {{"--keys", "auto", "x"}, OptionError::UnknownOption, "--keys"},
        {{"-k", "x"}, OptionError::UnknownOption, "-k"},
        {{"x", "--key"}, OptionError::MissingValue, "--key"},
        {{"--key=", "x"}, OptionError::MissingValue, "--key="},
        {{"-o", "", "x"}, OptionError::MissingValue, "-o"},
        {{"--key", "Standard", "x"}, OptionError::BadKey, "Standard"},
        {{"--key=deflate", "x"}, OptionError::BadKey, "deflate"},
        {{"--round", "E-3", "x"}, OptionError::BadRounding, "E-3"},
        {{"--round", "E-44", "x"}, OptionError::BadRounding, "E-44"},
        {{"--round", "6", "x"}, OptionError::BadRounding, "6"},
        {{"--lang", "jp", "x"}, OptionError::BadLanguage, "jp"},
        // An error wins over --help: the command line is wrong either way.
        {{"--help", "--bogus"}, OptionError::UnknownOption, "--bogus"},
    };
    for (const auto& c : cases) {
        Parsed p = parse(c.args);
        std::string joined;
        for (const auto& a : c.args) joined += "[" + a + "]";
        EXPECT_EQ(p.error, c.error) << joined;
        EXPECT_EQ(p.offending, c.offending) << joined;
    }
}

}  // namespace
