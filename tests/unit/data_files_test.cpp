// Read Data, Solve and Save Data together, with the real field filter on
// every text the reader writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "files/data_parser.h"
#include "files/data_reader.h"
#include "files/report_writer.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

std::string read_file(const std::string& path)
{
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buf[4096];
        std::size_t got;
        while ((got = std::fread(buf, 1, sizeof buf, file)) > 0) bytes.append(buf, got);
        std::fclose(file);
    }
    return bytes;
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_fake_ui();
        fake.field_notification = on_field_command;
        ws.display_mode = kModeInput;
        std::snprintf(dir_, sizeof dir_, "/tmp/drovu-files-XXXXXX");
        ASSERT_NE(mkdtemp(dir_), nullptr);
    }
    void TearDown() override
    {
        for (const char* name : {"data.txt", "report.txt"}) std::remove(path(name).c_str());
        rmdir(dir_);
    }
    std::string path(const char* name) const { return std::string(dir_) + "/" + name; }

    char dir_[64];
};

}  // namespace

TEST_F(DataFiles, ASpreadsheetFileIsSolvedAndReported)
{
    // (X - 1)(X - 2)(X - 3), constant term first, as a spreadsheet writes it.
    write_file(path("data.txt"), "Re\tIm\r\n-6\t0\r\n11\t0\r\n-6\t0\r\n1\t0\r\n");
    fake.dialog_paths.push_back(path("data.txt"));
    read_data_file(ws.main_window);
    ASSERT_TRUE(fake.message_boxes.empty());

    run_solution(ws.main_window);
    ASSERT_TRUE(fake.message_boxes.empty());
    ASSERT_EQ(ws.display_mode, kModeRoots);
    ASSERT_EQ(ws.degree, 3);

    fake.dialog_paths.push_back(path("report.txt"));
    save_results_report(ws.main_window);
    ASSERT_TRUE(fake.message_boxes.empty());
    const std::string report = read_file(path("report.txt"));
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
        "            Re                Im\r\n";
    EXPECT_EQ(report.substr(0, head.size()), head);
    for (const char* root : {" 1.0000000e+00", " 2.0000000e+00", " 3.0000000e+00"})
        EXPECT_NE(report.find(root), std::string::npos) << root << " in\n" << report;

    // The report is no data file.
    fake.dialog_paths.push_back(path("report.txt"));
    ws.display_mode = kModeInput;
    read_data_file(ws.main_window);
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_EQ(fake.message_boxes[0].text, "NO (proper) data in the file.\nNot existing the imaginary part?");
}

// A cut text that is still a number passes the filter as it is.
TEST_F(DataFiles, CutTextsPassTheFieldFilter)
{
    write_file(path("data.txt"), "1.23456789012e+100 1.234567890123456\r\n\r\n1e300\t-1e300\r\n");
    fake.dialog_paths.push_back(path("data.txt"));
    read_data_file(ws.main_window);
    EXPECT_TRUE(fake.message_boxes.empty());
    EXPECT_EQ(fake_field(101), "1.23456789012e+");
    EXPECT_EQ(fake_field(131), "1.2345678901234");
    EXPECT_EQ(fake_field(102), "1e300");
    EXPECT_EQ(fake_field(132), "-1e300");
}
