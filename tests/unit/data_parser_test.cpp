// The data file's record reader, on bytes: separators, headings, line ends,
// field lengths, and what it must never read.
#include "files/data_parser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "entry/number_test.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows parse(const std::string& bytes)
{
    CoefficientText records[kRows];
    ByteSource source = memory_byte_source(bytes.data(), bytes.size());
    int count = parse_data_records(source, records);
    Rows rows;
    for (int m = 0; m < count; ++m) rows.emplace_back(records[m].re, records[m].im);
    return rows;
}

std::string show(const std::string& bytes)
{
    std::string out;
    for (char c : bytes) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

struct Case {
    const char* name;
    std::string bytes;
    Rows rows;
};

// A spreadsheet writes its cells with any of the three separators.
const Case kSeparators[] = {
    {"spaces", "1.5 -2\r\n", {{"1.5", "-2"}}},
    {"comma", "1.5,-2\r\n", {{"1.5", "-2"}}},
    {"tab", "1.5\t-2\r\n", {{"1.5", "-2"}}},
    {"spaced comma", "1.5 , -2\r\n", {{"1.5", "-2"}}},
    {"padded tab", "  1.5\t -2  \r\n", {{"1.5", "-2"}}},
    {"many spaces", "1.5     -2\r\n", {{"1.5", "-2"}}},
    {"tab after the tab", "1.5\t\t-2\r\n", {{"1.5", "-2"}}},
    {"second comma", "1.5,,-2\r\n", {}},
    {"third field", "1 2 3\r\n", {}},
    {"trailing tab", "1 2\t\r\n", {}},
    {"trailing comma", "1 2,\r\n", {}},
};

const Case kLines[] = {
    {"heading of two words", "Re Im\r\n1 2\r\n3 4\r\n", {{"1", "2"}, {"3", "4"}}},
    // The one-word heading runs on into the first data line and takes it.
    {"heading of one word", "Coefficients\r\n1 2\r\n3 4\r\n5 6\r\n", {{"3", "4"}, {"5", "6"}}},
    {"only real parts", "1\r\n2\r\n3\r\n", {}},
    {"last line without CR LF", "1 2\r\n3 4", {{"1", "2"}, {"3", "4"}}},
    {"last line ending in CR", "1 2\r\n3 4\r", {{"1", "2"}, {"3", "4"}}},
    {"a TAB first ends the reading", "1 2\r\n\t5\r\n3 4\r\n", {{"1", "2"}}},
    {"an empty imaginary part ends the reading", "1 2\r\n1,\r\n3 4\r\n", {{"1", "2"}}},
    {"a blank line before data", "1 2\r\n\r\n3 4\r\n", {{"1", "2"}, {"3", "4"}}},
    {"LF line ends", "1 2\n3 4\n5 6\n", {}},
    {"bad lines are passed over", "1 x\r\ny 2\r\n3 4\r\n", {{"3", "4"}}},
    {"empty", "", {}},
    {"spaces only", "     ", {}},
    {"a NUL inside a field", std::string("1\0" "5 2\r\n", 7) + "3 4\r\n", {{"3", "4"}}},
    {"no separator at all", "123456", {}},
    {"1e300 is a number", "1e300 0\r\n", {{"1e300", "0"}}},
    {"1.1e300 is not", "1.1e300 0\r\n2 0\r\n", {{"2", "0"}}},
    {"an exponent mark without digits", "2e 3E+\r\n", {{"2e", "3E+"}}},
};

void check(const Case& c)
{
    EXPECT_EQ(parse(c.bytes), c.rows) << c.name << ": '" << show(c.bytes) << "'";
}

}  // namespace

TEST(DataParser, Separators)
{
    for (const Case& c : kSeparators) check(c);
}

TEST(DataParser, LinesAndLineEnds)
{
    for (const Case& c : kLines) check(c);
}

// The field's text keeps what the file says; only white space in front,
// which the number test passes over, is dropped before the 15-byte cut.
TEST(DataParser, LeadingWhiteSpaceIsDroppedBeforeTheCut)
{
    EXPECT_EQ(parse("0 0\r\n\r\n1.234567890123456 1\r\n"),
              (Rows{{"0", "0"}, {"1.2345678901234", "1"}}));
    EXPECT_EQ(parse("1,\t\t2\r\n"), (Rows{{"1", "2"}}));
}

TEST(DataParser, LongFieldsAreCutToFifteenBytes)
{
    struct Cut {
        const char* field;
        const char* text;
        double value;  // what the number test then makes of the text
    };
    const Cut cuts[] = {
        {"1.234567890123456", "1.2345678901234", 1.2345678901234},
        {"1.23456789012e+100", "1.23456789012e+", 1.23456789012},
        {"1.2345678901234e5", "1.2345678901234", 1.2345678901234},
    };
    for (const Cut& cut : cuts) {
        Rows rows = parse(std::string(cut.field) + " " + cut.field + "\r\n");
        ASSERT_EQ(rows.size(), 1u) << cut.field;
        EXPECT_EQ(rows[0].first, cut.text);
        EXPECT_EQ(rows[0].second, cut.text);
        double value = 0;
        EXPECT_TRUE(number_test(rows[0].first.c_str(), &value)) << cut.text;
        EXPECT_EQ(value, cut.value) << cut.text;
    }
}

TEST(DataParser, FieldsOfMoreThan255BytesEndTheReading)
{
    const std::string digits255 = "0." + std::string(253, '1');
    EXPECT_EQ(parse(digits255 + " " + digits255 + "\r\n").size(), 1u);
    EXPECT_EQ(parse(digits255 + " " + digits255).size(), 1u);

    const std::string digits256 = "0." + std::string(254, '1');
    EXPECT_TRUE(parse("1 2\r\n" + digits256 + " 1\r\n3 4\r\n") == (Rows{{"1", "2"}}));
    EXPECT_TRUE(parse("1 2\r\n1 " + digits256 + "\r\n3 4\r\n") == (Rows{{"1", "2"}}));
}

TEST(DataParser, AtMostThirtyRows)
{
    std::string bytes;
    for (int i = 0; i < 31; ++i) bytes += std::to_string(i) + " -" + std::to_string(i) + "\r\n";
    Rows rows = parse(bytes);
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows[29], (std::pair<std::string, std::string>{"29", "-29"}));
}

// A source whose bytes are made up on request, with a check that nothing
// outside the file is ever asked for.
struct MadeUp {
    long long size;
    std::string line;  // repeated over the whole size
    long long bytes_read = 0;
    bool outside = false;
};

int read_made_up(void* context, long long pos, char* buf, int count)
{
    auto* file = static_cast<MadeUp*>(context);
    if (pos < 0 || count < 0 || pos + count > file->size) file->outside = true;
    const long long period = static_cast<long long>(file->line.size());
    for (int i = 0; i < count; ++i) buf[i] = file->line[static_cast<std::size_t>((pos + i) % period)];
    file->bytes_read += count;
    return count;
}

int parse_made_up(MadeUp& file)
{
    CoefficientText records[kRows];
    ByteSource source = {file.size, read_made_up, &file};
    return parse_data_records(source, records);
}

TEST(DataParser, NeverReadsOutsideTheFile)
{
    const long long k100Mb = 100LL << 20;
    MadeUp nuls{k100Mb, std::string(1, '\0')};
    MadeUp no_separator{k100Mb, "7"};
    MadeUp spaces{k100Mb, " "};
    MadeUp one_line{k100Mb, "1 "};  // an imaginary part that never ends
    for (MadeUp* file : {&nuls, &no_separator, &spaces, &one_line}) {
        EXPECT_EQ(parse_made_up(*file), 0) << show(file->line);
        EXPECT_FALSE(file->outside) << show(file->line);
        EXPECT_LE(file->bytes_read, 64 * 1024) << show(file->line);
    }

    // Rows of good data up to the last byte, cut anywhere in a line.
    for (long long size = 1; size <= 13; ++size) {
        MadeUp file{size, "1 2\r\n"};
        int expected = size >= 3 ? static_cast<int>((size + 2) / 5) : 0;
        EXPECT_EQ(parse_made_up(file), expected) << "size " << size;
        EXPECT_FALSE(file.outside) << "size " << size;
    }
}

// Lines that are not data are passed over to the end, however many.
TEST(DataParser, ReadsPastManyRejectedLines)
{
    MadeUp headings{10LL << 20, "Re Im\r\n"};
    EXPECT_EQ(parse_made_up(headings), 0);
    EXPECT_FALSE(headings.outside);
    EXPECT_GE(headings.bytes_read, 10LL << 20);
}

// Made-up files of lines that are mostly data: whatever they hold, the
// reader stays inside them and puts only numbers into the grid.
TEST(DataParser, WhateverTheLinesOnlyNumbersComeOut)
{
    const std::string values[] = {"1", "-2.5", "+.5e-3", "1e300", "7e", "1.234567890123456", "0",
                                  "1.1e300", "Re", "", std::string("1\0" "2", 3), "\x81\x40", "1 2"};
    const std::string separators[] = {" ", ",", "\t", " , ", "  \t ", ",,", "\t\t", ""};
    const std::string pads[] = {"", "", " ", "   ", "\t"};
    const std::string ends[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "", "\r\n\r\n"};
    unsigned seed = 12345;
    auto pick = [&seed](const auto& table) -> const std::string& {
        seed = seed * 1103515245u + 12345u;
        const std::size_t n = sizeof table / sizeof table[0];
        // Mostly the first entries of a table, the good ones.
        std::size_t i = (seed >> 16) % (2 * n);
        return table[i < n ? i % 4 % n : i - n];
    };
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int lines = static_cast<int>(seed % 40);
        for (int i = 0; i < lines; ++i)
            bytes += pick(pads) + pick(values) + pick(separators) + pick(values) + pick(pads) + pick(ends);
        MadeUp file{static_cast<long long>(bytes.size()), bytes.empty() ? std::string(1, ' ') : bytes};
        CoefficientText records[kRows];
        ByteSource source = {file.size, read_made_up, &file};
        const int rows = parse_data_records(source, records);
        accepted += rows;
        ASSERT_FALSE(file.outside) << show(bytes);
        for (int m = 0; m < rows; ++m) {
            for (const char* text : {records[m].re, records[m].im}) {
                ASSERT_LE(std::strlen(text), 15u) << show(bytes);
                ASSERT_NE(text[0], '\0') << show(bytes);
                ASSERT_EQ(std::strchr(" \t\r\n", text[0]), nullptr) << show(bytes);
                ASSERT_TRUE(number_test(text, nullptr)) << show(text) << " from " << show(bytes);
            }
        }
    }
    EXPECT_GT(accepted, 2000);  // the made-up files do hold data
}

TEST(DataParser, ReadsAFile)
{
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const char bytes[] = "Re Im\r\n1.5,-2\r\n0\t1e-3\r\n";
    std::fwrite(bytes, 1, sizeof bytes - 1, file);
    ByteSource source;
    ASSERT_TRUE(file_byte_source(file, &source));
    EXPECT_EQ(source.size, static_cast<long long>(sizeof bytes - 1));
    CoefficientText records[kRows];
    ASSERT_EQ(parse_data_records(source, records), 2);
    EXPECT_STREQ(records[1].re, "0");
    EXPECT_STREQ(records[1].im, "1e-3");
    std::fclose(file);
}
