// Read Data, Solve and Save Data together, with the real field filter on
// every text the reader writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "files/data_reader.h"
#include "files/report_writer.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

// Writes bytes to path and scripts path as the file dialog's next answer.
void choose(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    fake.dialog_paths.push_back(path);
}

}  // namespace

TEST(DataFiles, ASpreadsheetFileIsReadSolvedAndReported)
{
    char dir[] = "/tmp/drovu-files-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string data = std::string(dir) + "/data.txt", report_path = std::string(dir) + "/report.txt";
    reset_fake_ui();
    fake.field_notification = on_field_command;
    ws.display_mode = kModeInput;

    // A long number fitted to a field passes the filter as it is.
    choose(data, "1.23456789012e+100 1.234567890123456\r\n\r\n1e300\t-1e300\r\n");
    read_data_file(ws.main_window);
    EXPECT_TRUE(fake.message_boxes.empty());
    EXPECT_EQ(fake_field(101), "1.23456789e+100");
    EXPECT_EQ(fake_field(131), "1.2345678901234");
    EXPECT_EQ(fake_field(102), "1e300");
    EXPECT_EQ(fake_field(132), "-1e300");

    // (X - 1)(X - 2)(X - 3), constant term first, as a spreadsheet writes it.
    choose(data, "Re\tIm\r\n-6\t0\r\n11\t0\r\n-6\t0\r\n1\t0\r\n");
    read_data_file(ws.main_window);
    run_solution(ws.main_window);
    ASSERT_TRUE(fake.message_boxes.empty());
    ASSERT_EQ(ws.degree, 3);
    fake.dialog_paths.push_back(report_path);
    save_results_report(ws.main_window);
    ASSERT_TRUE(fake.message_boxes.empty());

    std::string report(8192, '\0');
    if (std::FILE* file = std::fopen(report_path.c_str(), "rb")) {
        report.resize(std::fread(&report[0], 1, report.size(), file));
        std::fclose(file);
    }
    const std::string head =
        "    DROVU [Solution by standard method]\r\n"
        "\r\n"
        "    COEFFICIENTS\r\n"
        "      Term  Re                Im\r\n"
        "      X^0   -6                 0\r\n"
        "      X^1    11                0\r\n"
        "      X^2   -6                 0\r\n"
        "      X^3    1                 0\r\n"
        "\r\n"
        "    SOLUTION\r\n"
        "            Re                Im\r\n"
        "      X(1)   3.0000000e+00";
    EXPECT_EQ(report.substr(0, head.size()), head);
    for (const char* root : {"      X(2)   2.0000000e+00", "      X(3)   1.0000000e+00"})
        EXPECT_NE(report.find(root), std::string::npos) << root << " in\n" << report;

    std::remove(data.c_str());
    std::remove(report_path.c_str());
    rmdir(dir);
}
