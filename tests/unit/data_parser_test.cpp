// Data files: the record reader on bytes (separators, headings, line ends,
// field lengths, and what it must never read), and the Read Data command
// through the fake platform.
#include <gtest/gtest.h>

#include <cstring>

#include "files/data_parser.h"
#include "files/data_reader.h"
#include "tests/unit/fake_ui.h"

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
        {"1 2\r\n\t5\r\n3 4\r\n", {{"1", "2"}}}, {"\t1 2\r\n", {}}, {"1 2\r\n1,\r\n3 4\r\n", {{"1", "2"}}},
        {"1 2\r\n1 \r\n3 4\r\n", {{"1", "2"}}},
        {"1 2\n3 4\n5 6\n", {}}, {"1 x\r\ny 2\r\n3 4\r\n", {{"3", "4"}}}, {"", {}}, {"     ", {}}, {"123456", {}},
        // A byte-order mark is no part of the first line; a line ends at CR
        // LF, at CR (spaces, TABs, CRs) LF, or after the last CR before data.
        {"\xEF\xBB\xBF-6 0\r\n11 0\r\n", {{"-6", "0"}, {"11", "0"}}}, {"\xEF\xBB-6 0\r\n11 0\r\n", {{"11", "0"}}},
        {"1 2\r3 4\r\r5 6\r", {{"1", "2"}, {"3", "4"}, {"5", "6"}}}, {"1 2\rx y\r3 4", {{"1", "2"}, {"3", "4"}}},
        {"1 2\r\r\n3 4\r \t\r\n5 6\r\n", {{"1", "2"}, {"3", "4"}, {"5", "6"}}}, {"1 2\r \n\n3 4", {{"1", "2"}, {"3", "4"}}},
        {std::string("1\0" "5 2\r\n", 7) + "3 4\r\n", {{"3", "4"}}},
        {"1e300 0\r\n", {{"1e300", "0"}}}, {"1.1e300 0\r\n2 0\r\n", {{"2", "0"}}}, {"2e 3E+\r\n", {{"2e", "3E+"}}},
        // The CR LF of a blank line goes with the next field and is dropped
        // with other leading white space before a long field is fitted to 15
        // bytes: cut where the cut keeps the value, else in exponent form.
        {"0 0\r\n\r\n1.234567890123456 1\r\n", {{"0", "0"}, {"1.2345678901234", "1"}}},
        {"1.23456789012e+100 1.2345678901234e5\r\n", {{"1.23456789e+100", "1.234567890e+05"}}},
        {"-1.2345678901234567e-05 1.00000000000E+1\r\n", {{"-1.23456789e-05", "1.000000000e+01"}}},
        {"9.99999999999e99 0.00000000000001234\r\n", {{"1.00000000e+100", "1.234000000e-14"}}},
        {"0." + std::string(252, '0') + "1 1.0000000000000001\r\n", {{"1.00000000e-253", "1.0000000000000"}}},
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

// Every line passed over, and where and why the reading stopped, is told
// once, at the line an editor shows it on; a clean file tells nothing.
TEST(DataParser, NotesSayWhatWasPassedOver)
{
    using N = NoteCode;
    const std::string d256 = "0." + std::string(254, '1');
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += "1 " + std::to_string(i) + "\r\n";
    const struct { std::string bytes; std::vector<std::pair<long long, N>> notes; } cases[] = {
        {"\r\n1 2\r\n3 4\r\n", {}}, {"\xEF\xBB\xBF" "1 2\r3 4\r", {}}, {thirty + "\r\n \r\n", {}},
        {"Re Im\r\n1 2\r\n1 2 3\r\n", {{1, N::NotNumbers}, {3, N::NotNumbers}}},
        {"\r\n\r\nRe Im\r\n1 2\r\n", {{3, N::NotNumbers}}}, {"1 x\r\r\n5 6\r\ny 1\r", {{1, N::NotNumbers}, {4, N::NotNumbers}}},
        {"Coefficients\r\n1 2\r\n3 4\r\n", {{1, N::JoinedLines}}}, {"1 2\r\n34", {{2, N::SingleField}}},
        {"1 2\r\n" + d256 + " 1\r\n3 4\r\n", {{2, N::LongField}}}, {"1 2\r\n1 " + d256 + "\r\n", {{2, N::LongField}}},
        {"1 2\r\n\t5 6\r\n3 4\r\n", {{2, N::EmptyField}}}, {",5 6\r\n", {{1, N::EmptyField}}},
        {"1 2\r\n1,\r\n3 4\r\n", {{2, N::NoImaginaryPart}}}, {thirty + "\r\n 7 8\r\n", {{32, N::AfterLastRow}}},
        {"Re Im\n1 2\n3 4\n", {{1, N::LfLineEnds}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<long long, N>> notes;
        const NoteSink sink = {[](void* to, const ReaderNote& n) {
                                   static_cast<decltype(notes)*>(to)->emplace_back(n.line, n.code);
                               }, &notes};
        CoefficientText records[kRows];
        const int with = parse_data_records(memory_byte_source(c.bytes.data(), c.bytes.size()), records, &sink);
        EXPECT_EQ(notes, c.notes) << "'" << show(c.bytes) << "'";
        EXPECT_EQ(with, static_cast<int>(parse(c.bytes).size())) << "notes change nothing: '" << show(c.bytes) << "'";
    }
}

// However large the file, the reader asks for nothing outside it and for
// little more than the lines it needs: a NUL run, no separator, spaces only,
// an imaginary part that never ends; lines that are not data are passed over
// to the end; rows of good data are read up to the last byte. The bytes are
// made up on request, and a request outside the file is noted.
TEST(DataParser, NeverReadsOutsideTheFile)
{
    struct MadeUp {
        long long size;
        std::string line;  // repeated over the whole size
        long long bytes_read;
        bool outside;
    };
    const auto read = [](void* context, long long pos, char* buf, int count) {
        MadeUp& file = *static_cast<MadeUp*>(context);
        file.outside |= pos < 0 || count < 0 || pos + count > file.size;
        for (int i = 0; i < count; ++i) buf[i] = file.line[static_cast<std::size_t>((pos + i) % file.line.size())];
        file.bytes_read += count;
        return count;
    };
    const struct { long long size; std::string line; int records; long long least, most; } cases[] = {
        {100LL << 20, std::string(1, '\0'), 0, 0, 64 << 10}, {100LL << 20, "7", 0, 0, 64 << 10},
        {100LL << 20, " ", 0, 0, 64 << 10}, {100LL << 20, "1 ", 0, 0, 64 << 10},
        {10LL << 20, "Re Im\r\n", 0, 10LL << 20, 30LL << 20}, {8, "1 2\r\n", 2, 8, 64}, {13, "1 2\r\n", 3, 13, 64},
    };
    for (const auto& c : cases) {
        MadeUp file{c.size, c.line, 0, false};
        CoefficientText records[kRows];
        EXPECT_EQ(parse_data_records({file.size, read, &file}, records), c.records) << show(c.line) << " " << c.size;
        EXPECT_TRUE(!file.outside && file.bytes_read >= c.least && file.bytes_read <= c.most)
            << show(c.line) << " " << c.size << ": " << file.bytes_read << " bytes read";
    }
}

using Log = std::vector<std::string>;

// Reads the file name with these bytes (no name: the dialog gives none; no
// bytes: the file is missing) over a grid a user had typed and solved.
static void read(const ScratchDir& dir, const char* name, const char* bytes, int japanese, unsigned long dialog_error)
{
    reset_fake_ui();
    ws.ui_japanese = japanese;
    fake.dialog_error = dialog_error;
    field(101) = "7";
    std::strcpy(ws.coef_text_re[0], "7");
    for (int r = 0; r < kRows; ++r) std::strcpy(ws.row_labels[r], "X(1)");
    if (name) fake.paths.push_back(bytes ? dir.put(name, bytes) : dir.path(name));
    read_data_file(ws.main_window);
}

// What the user had typed is worth more than a file that holds nothing.
TEST(ReadData, CancelAndEveryFailureKeepTheGrid)
{
    const char* kDialog[] = {"open Select a file to read", "open 読み込むファイル名の選択"};
    const char* kButton = "repaint 47 0 79 20";
    const char* kNoData = "box Error 0x10: NO (proper) data in the file.\nNot existing the imaginary part?";
    const struct { int japanese; unsigned long dialog_error; const char* name; const char* bytes; Log log; } cases[] = {
        {0, 0, nullptr, nullptr, {kDialog[0], kButton}},  // cancelled
        {0, 0x3002, nullptr, nullptr, {kDialog[0], "box Error 0x10: GetOpenFileName error 0x3002"}},
        {0, 0, "missing.txt", nullptr, {kDialog[0], kButton, "box Error 0x10: The file does not exist."}},
        {0, 0, "a.txt", "", {kDialog[0], kButton, kNoData}},
        {0, 0, "a.txt", "1\r\n2\r\n3\r\n", {kDialog[0], kButton, kNoData}},
        {1, 0, "a.txt", "", {kDialog[1], kButton, "box エラー 0x10: ファイルは(適切な)データを含んでいません.\n虚数部が存在しないのでは？"}},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        read(dir, c.name, c.bytes, c.japanese, c.dialog_error);
        EXPECT_EQ(fake.log, c.log);
        EXPECT_EQ(field(101) + ws.coef_text_re[0] + ws.row_labels[29], "77X(1)");
    }
}

// The file replaces the whole grid, and every text goes in through its
// field so the field filter sees it: first all 60 fields emptied (Re
// column, then Im), then each record Re, Im. The view stays as it is. The
// records lie beyond the first piece read of the file.
TEST(ReadData, ARecordReplacesTheWholeGridThroughTheFields)
{
    ScratchDir dir;
    std::string bytes;
    while (bytes.size() < 5000) bytes += "Re Im\r\n";
    read(dir, "a.txt", (bytes + "1.5,-2\r\n0\t1.234567890123456\r\n").c_str(), 0, 0);
    Log expected = {"open Select a file to read", "repaint 47 0 79 20"};
    for (int id = 101; id <= 160; ++id) expected.push_back("set " + std::to_string(id) + " ");
    for (const char* line : {"repaint 0 21 -1 -1", "set 101 1.5", "set 131 -2", "set 102 0", "set 132 1.2345678901234"})
        expected.push_back(line);
    EXPECT_EQ(fake.log, expected);
    for (int r = 0; r < kTextSlots; ++r) {
        EXPECT_EQ(std::string(ws.coef_text_re[r]) + ws.coef_text_im[r], "");
        EXPECT_STREQ(ws.row_labels[r], r < kRows ? ("*X^" + std::to_string(r)).c_str() : "");
    }
    EXPECT_EQ(std::make_pair(std::string(ws.file_name), ws.display_mode),
              std::make_pair(dir.path("a.txt"), int(kModeSplash)));
}
