// The data file's record reader, on bytes: separators, headings, line ends,
// field lengths, and what it must never read.
#include "files/data_parser.h"

#include <gtest/gtest.h>

using Rows = std::vector<std::pair<std::string, std::string>>;

static Rows parse(const std::string& bytes)
{
    CoefficientText records[kRows];
    const int count = parse_data_records(memory_byte_source(bytes.data(), bytes.size()), records);
    Rows rows;
    for (int m = 0; m < count; ++m) rows.emplace_back(records[m].re, records[m].im);
    return rows;
}

static std::string show(const std::string& bytes)
{
    std::string out;
    for (char c : bytes) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
    return out.substr(0, 80);
}

TEST(DataParser, RecordsFromBytes)
{
    const std::string d255 = "0." + std::string(253, '1'), d256 = "0." + std::string(254, '1');
    const struct { std::string bytes; Rows rows; } cases[] = {
        // A spreadsheet writes its cells with any of the three separators.
        {"1.5 -2\r\n", {{"1.5", "-2"}}}, {"1.5,-2\r\n", {{"1.5", "-2"}}}, {"1.5\t-2\r\n", {{"1.5", "-2"}}},
        {"1.5 , -2\r\n", {{"1.5", "-2"}}}, {"  1.5\t -2  \r\n", {{"1.5", "-2"}}}, {"1,\t\t2\r\n", {{"1", "2"}}},
        {"1.5,,-2\r\n", {}}, {"1 2 3\r\n", {}}, {"1 2\t\r\n", {}}, {"1 2,\r\n", {}},
        // Headings, line ends and lines that end the reading.
        {"Re Im\r\n1 2\r\n3 4\r\n", {{"1", "2"}, {"3", "4"}}},
        // A one-word heading runs on into the first data line and takes it.
        {"Coefficients\r\n1 2\r\n3 4\r\n5 6\r\n", {{"3", "4"}, {"5", "6"}}},
        {"1\r\n2\r\n3\r\n", {}}, {"1 2\r\n3 4", {{"1", "2"}, {"3", "4"}}}, {"1 2\r\n3 4\r", {{"1", "2"}, {"3", "4"}}},
        {"1 2\r\n\t5\r\n3 4\r\n", {{"1", "2"}}}, {"1 2\r\n1,\r\n3 4\r\n", {{"1", "2"}}}, {"1 2\n3 4\n5 6\n", {}},
        {"1 x\r\ny 2\r\n3 4\r\n", {{"3", "4"}}}, {"", {}}, {"     ", {}}, {"123456", {}},
        {std::string("1\0" "5 2\r\n", 7) + "3 4\r\n", {{"3", "4"}}},
        {"1e300 0\r\n", {{"1e300", "0"}}}, {"1.1e300 0\r\n2 0\r\n", {{"2", "0"}}}, {"2e 3E+\r\n", {{"2e", "3E+"}}},
        // The CR LF of a blank line goes with the next field and is dropped
        // with other leading white space before the cut to 15 bytes; the cut
        // text may be a different number.
        {"0 0\r\n\r\n1.234567890123456 1\r\n", {{"0", "0"}, {"1.2345678901234", "1"}}},
        {"1.23456789012e+100 1.2345678901234e5\r\n", {{"1.23456789012e+", "1.2345678901234"}}},
        // Fields of up to 255 bytes are read; a longer one ends the reading.
        {d255 + " " + d255 + "\r\n", {{d255.substr(0, 15), d255.substr(0, 15)}}},
        {d255 + " " + d255, {{d255.substr(0, 15), d255.substr(0, 15)}}},
        {"1 2\r\n" + d256 + " 1\r\n3 4\r\n", {{"1", "2"}}},
        {"1 2\r\n1 " + d256 + "\r\n3 4\r\n", {{"1", "2"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(parse(c.bytes), c.rows) << "'" << show(c.bytes) << "'";

    std::string thirty_one;  // thirty records at most
    for (int i = 0; i < 31; ++i) thirty_one += std::to_string(i) + " -" + std::to_string(i) + "\r\n";
    const Rows rows = parse(thirty_one);
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows.back(), (std::pair<std::string, std::string>{"29", "-29"}));
}

// A source whose bytes are made up on request, noting any request for a
// byte outside the file.
struct MadeUp {
    long long size;
    std::string line;  // repeated over the whole size
    long long bytes_read = 0;
    bool outside = false;

    int parse()
    {
        CoefficientText records[kRows];
        return parse_data_records({size, read, this}, records);
    }
    static int read(void* context, long long pos, char* buf, int count)
    {
        MadeUp& file = *static_cast<MadeUp*>(context);
        file.outside |= pos < 0 || count < 0 || pos + count > file.size;
        for (int i = 0; i < count; ++i) buf[i] = file.line[static_cast<std::size_t>((pos + i) % file.line.size())];
        file.bytes_read += count;
        return count;
    }
};

// However large the file, the reader asks for nothing outside it, and for
// little more than the lines it needs.
TEST(DataParser, NeverReadsOutsideTheFile)
{
    // A NUL run, no separator, spaces only, an imaginary part that never ends.
    for (const std::string& line : {std::string(1, '\0'), std::string("7"), std::string(" "), std::string("1 ")}) {
        MadeUp file{100LL << 20, line};
        EXPECT_EQ(file.parse(), 0) << show(line);
        EXPECT_FALSE(file.outside) << show(line);
        EXPECT_LE(file.bytes_read, 64 * 1024) << show(line);
    }
    // Rows of good data up to the last byte, cut anywhere in a line.
    for (long long size = 1; size <= 13; ++size) {
        MadeUp file{size, "1 2\r\n"};
        EXPECT_EQ(file.parse(), size >= 3 ? static_cast<int>((size + 2) / 5) : 0) << size;
        EXPECT_FALSE(file.outside) << "size " << size;
    }
    // Lines that are not data are passed over to the end, however many.
    MadeUp headings{10LL << 20, "Re Im\r\n"};
    EXPECT_EQ(headings.parse(), 0);
    EXPECT_FALSE(headings.outside);
    EXPECT_GE(headings.bytes_read, 10LL << 20);
}
