// The report's bytes: the layout, the columns of the signs, the method line
// and the closing note.
#include "files/report_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "files/data_parser.h"
#include "tests/unit/fake_ui.h"

namespace {

// The worked equation (constant term first) with its roots and error figures.
void load_example()
{
    reset_workspace();
    ws.degree = 2;
    ws.roots_accurate = 1;
    const char* coefficients[3][2] = {{"1", "0"}, {"-2.5", "-1"}, {"1", "0.5"}};
    const char* results[2][4] = {{" 1.2345678e+00", "-2.5000000e-01", " 0", "-1.0000000e-17"},
                                 {"-3.0000000e+00", " 0", " 2.5000000e-16", " 0"}};  // root, error
    for (int j = 0; j < 3; ++j) {
        std::strcpy(ws.coef_text_re[j], coefficients[j][0]);
        std::strcpy(ws.coef_text_im[j], coefficients[j][1]);
    }
    for (int k = 0; k < 2; ++k) {
        std::strcpy(ws.root_text_re[k], results[k][0]);
        std::strcpy(ws.root_text_im[k], results[k][1]);
        std::strcpy(ws.error_text_re[k], results[k][2]);
        std::strcpy(ws.error_text_im[k], results[k][3]);
    }
}

std::string report()
{
    char bytes[kReportCapacity];
    int length = compose_report(ws, bytes, kReportCapacity);
    EXPECT_GE(length, 0);
    return length < 0 ? std::string() : std::string(bytes, static_cast<std::size_t>(length));
}

std::vector<std::string> lines_of(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0, end;
    while ((end = bytes.find("\r\n", start)) != std::string::npos) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "the report ends with CR LF";
    return lines;
}

}  // namespace

// The worked example byte for byte under each method's title; with large
// errors the closing note follows, in code page 932 for a Japanese interface
// whatever the machine that runs the tests, the rest staying English.
TEST(ReportFormat, TheWorkedExampleByteForByte)
{
    const std::string body =
        "\r\n"
        "    COEFFICIENTS\r\n"
        "      Term  Re                Im\r\n"
        "      X^0    1                 0\r\n"
        "      X^1   -2.5              -1\r\n"
        "      X^2    1                 0.5\r\n"
        "\r\n"
        "    SOLUTION\r\n"
        "            Re                Im\r\n"
        "      X(1)   1.2345678e+00    -2.5000000e-01\r\n"
        "      X(2)  -3.0000000e+00     0\r\n"
        "\r\n"
        "    ERROR\r\n"
        "            Re                Im\r\n"
        "      X(1)   0                -1.0000000e-17\r\n"
        "      X(2)   2.5000000e-16     0\r\n";
    const struct { int param_change, deflation_mode; const char* title; } methods[] = {
        {0, 0, "    DROVU [Solution by standard method]\r\n"},
        {1, 0, "    DROVU [Solution by parameter change (X -> 1/Y) method]\r\n"},
        {0, 1, "    DROVU [Solution by deflation method]\r\n"},
        {1, 1, "    DROVU [Solution by parameter change + deflation method]\r\n"},
    };
    for (const auto& method : methods) {
        load_example();
        ws.param_change = method.param_change;
        ws.deflation_mode = method.deflation_mode;
        EXPECT_EQ(report(), method.title + body);
    }

    load_example();
    ws.roots_accurate = 0;
    const std::string standard = methods[0].title + body;
    EXPECT_EQ(report(), standard + "\r\nNote: SOLUTION may not be proper, because of large ERROR(s).\r\n");
    ws.ui_japanese = 1;
    EXPECT_EQ(report(), standard +
                            "\r\n\x92\x8d: \x89\xf0\x82\xcc\x8c\xeb\x8d\xb7\x82\xaa\x91\xe5\x82\xab\x82\xa2"
                            "\x82\xcc\x82\xc5\x81" "A\x90\xb3\x82\xb5\x82\xad\x82\xc8\x82\xa2\x89\xf0\x82\xc6"
                            "\x8e" "v\x82\xed\x82\xea\x82\xdc\x82\xb7.\r\n");

    // Nothing in a report looks like data: reading one back loads nothing.
    const std::string bytes = report();
    CoefficientText records[kRows];
    EXPECT_EQ(parse_data_records(memory_byte_source(bytes.data(), bytes.size()), records), 0);
}

// The signs stay under "Re" and "Im" from X^0 to X^29, whatever the width
// of the label or the sign of the text.
TEST(ReportFormat, SignsInColumnsTwelveAndThirty)
{
    reset_workspace();
    ws.degree = 29;
    ws.roots_accurate = 1;
    const char* coefficients[] = {"2.5", "-2.5", "0", "-1.234567890123", "123456789012345"};
    for (int j = 0; j <= 29; ++j) {
        std::strcpy(ws.coef_text_re[j], coefficients[j % 5]);
        std::strcpy(ws.coef_text_im[j], coefficients[(j + 1) % 5]);
    }
    for (int k = 0; k < 29; ++k) {
        std::strcpy(ws.root_text_re[k], k % 2 ? " 1.0000000e+00" : "-1.0000000e+00");
        std::strcpy(ws.root_text_im[k], k % 3 ? " 0" : "-2.2500000e-03");
        std::strcpy(ws.error_text_re[k], k % 2 ? "-3.0000000e-15" : " 0");
        std::strcpy(ws.error_text_im[k], " 4.0000000e-16");
    }
    std::vector<std::string> lines = lines_of(report());
    ASSERT_EQ(lines.size(), 4u + 30 + 3 + 29 + 3 + 29);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.compare(0, 8, "      X^") != 0 && line.compare(0, 8, "      X(") != 0) continue;
        ASSERT_GT(line.size(), 31u) << line;
        EXPECT_TRUE(line[12] == ' ' || line[12] == '-') << line;
        EXPECT_NE(line[13], ' ') << line;
        EXPECT_EQ(line[29], ' ') << line;
        EXPECT_TRUE(line[30] == ' ' || line[30] == '-') << line;
        EXPECT_NE(line[31], ' ') << line;
    }
    EXPECT_EQ(lines[4 + 4], "      X^4    123456789012345   2.5");
}

TEST(ReportFormat, DegreeOneAndTheLimits)
{
    load_example();
    ws.degree = 1;
    std::vector<std::string> lines = lines_of(report());
    ASSERT_EQ(lines.size(), 4u + 2 + 3 + 1 + 3 + 1);
    EXPECT_EQ(lines[5], "      X^1   -2.5              -1");

    char bytes[kReportCapacity];
    EXPECT_EQ(compose_report(ws, bytes, 64), -1);
    ws.degree = 0;
    EXPECT_EQ(compose_report(ws, bytes, kReportCapacity), -1);
    ws.degree = 30;
    EXPECT_EQ(compose_report(ws, bytes, kReportCapacity), -1);

    // The longest report: degree 29, every text 17 bytes, the note.
    ws.degree = 29;
    ws.roots_accurate = 0;
    for (int i = 0; i < kTextSlots; ++i)
        for (auto* slot : {ws.coef_text_re, ws.coef_text_im, ws.root_text_re, ws.root_text_im,
                           ws.error_text_re, ws.error_text_im})
            std::strcpy(slot[i], "-1.23456789012345");
    EXPECT_GT(compose_report(ws, bytes, kReportCapacity), 4000);
}
