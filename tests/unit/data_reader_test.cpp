// The Read Data command through the fake platform: the dialog, its cancel
// and error paths, the messages, and what the grid holds afterwards.
#include "files/data_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

using Notifications = std::vector<std::pair<int, std::string>>;
Notifications notified;  // control id, text at the time

void record_notification(int control_id)
{
    notified.emplace_back(control_id, fake_field(control_id));
}

class ReadData : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_fake_ui();
        notified.clear();
        fake.field_notification = record_notification;
        std::snprintf(dir_, sizeof dir_, "/tmp/drovu-read-XXXXXX");
        ASSERT_NE(mkdtemp(dir_), nullptr);
    }
    void TearDown() override
    {
        for (const std::string& path : files_) std::remove(path.c_str());
        rmdir(dir_);
    }

    // A file with these bytes, scripted as the dialog's answer.
    void choose_file(const std::string& bytes)
    {
        std::string path = std::string(dir_) + "/data" + std::to_string(files_.size()) + ".txt";
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        files_.push_back(path);
        fake.dialog_paths.push_back(path);
    }

    // What a user had typed and solved before reading: texts in the grid,
    // in the stored coefficient texts, and the labels.
    void type_something()
    {
        fake.field_text[0] = "7";
        fake.field_text[30] = "8";
        std::strcpy(ws.coef_text_re[0], "7");
        std::strcpy(ws.coef_text_im[0], "8");
        std::strcpy(ws.row_labels[0], "*X^0");
        before_ = ws;
        notified.clear();
    }

    void expect_nothing_changed()
    {
        EXPECT_EQ(fake_field(101), "7");
        EXPECT_EQ(fake_field(131), "8");
        EXPECT_EQ(std::memcmp(ws.coef_text_re, before_.coef_text_re, sizeof ws.coef_text_re), 0);
        EXPECT_EQ(std::memcmp(ws.coef_text_im, before_.coef_text_im, sizeof ws.coef_text_im), 0);
        EXPECT_EQ(std::memcmp(ws.row_labels, before_.row_labels, sizeof ws.row_labels), 0);
        EXPECT_TRUE(notified.empty());
    }

    void expect_one_error(const char* text, const char* caption = "Error")
    {
        ASSERT_EQ(fake.message_boxes.size(), 1u);
        EXPECT_EQ(fake.message_boxes[0].text, text);
        EXPECT_EQ(fake.message_boxes[0].caption, caption);
        EXPECT_EQ(fake.message_boxes[0].style, kMbOk | kMbIconError);
        EXPECT_EQ(fake.message_boxes[0].owner, ws.main_window);
    }

    char dir_[64];
    std::vector<std::string> files_;
    Workspace before_;
};

void expect_repaint(const FakeRepaint& repaint, int left, int top, int right, int bottom)
{
    EXPECT_EQ(repaint.window, ws.main_window);
    EXPECT_EQ(repaint.left, left);
    EXPECT_EQ(repaint.top, top);
    EXPECT_EQ(repaint.right, right);
    EXPECT_EQ(repaint.bottom, bottom);
}

}  // namespace

TEST_F(ReadData, TheDialogStartsEmptyAndAsksForATextFile)
{
    std::strcpy(ws.file_name, "C:\\old.txt");
    read_data_file(ws.main_window);
    ASSERT_EQ(fake.dialog_requests.size(), 1u);
    const FileDialogRequest& request = fake.dialog_requests[0];
    EXPECT_EQ(request.owner, ws.main_window);
    EXPECT_EQ(fake.dialog_filters[0], "Tab/Comma/Space Texts (*.txt)|*.txt|");
    EXPECT_EQ(fake.dialog_titles[0], "Select a file to read");
    EXPECT_EQ(request.flags, 0x804u);
    EXPECT_EQ(request.def_ext, nullptr);
    EXPECT_EQ(request.file_name, ws.file_name);
    EXPECT_EQ(request.file_name_size, 258);
    EXPECT_EQ(ws.file_name[0], '\0');

    reset_fake_ui();
    ws.ui_japanese = 1;
    read_data_file(ws.main_window);
    EXPECT_EQ(fake.dialog_titles[0], "読み込むファイル名の選択");
}

TEST_F(ReadData, CancelRedrawsTheButtonAndChangesNothing)
{
    type_something();
    read_data_file(ws.main_window);
    EXPECT_TRUE(fake.message_boxes.empty());
    ASSERT_EQ(fake.repaints.size(), 1u);
    expect_repaint(fake.repaints[0], 47, 0, 79, 20);
    expect_nothing_changed();
}

TEST_F(ReadData, ADialogFailureIsShownWithItsCode)
{
    type_something();
    fake.dialog_error = 0x3002;
    read_data_file(ws.main_window);
    expect_one_error("GetOpenFileName error 0x3002");
    expect_nothing_changed();

    fake.message_boxes.clear();
    ws.ui_japanese = 1;
    read_data_file(ws.main_window);
    expect_one_error("GetOpenFileName エラー 0x3002", "エラー");
}

TEST_F(ReadData, AMissingFileChangesNothing)
{
    type_something();
    fake.dialog_paths.push_back(std::string(dir_) + "/no such file.txt");
    read_data_file(ws.main_window);
    expect_one_error("The file does not exist.");
    ASSERT_EQ(fake.repaints.size(), 1u);
    expect_repaint(fake.repaints[0], 47, 0, 79, 20);
    expect_nothing_changed();
}

// What the user had typed is worth more than a file that holds nothing.
TEST_F(ReadData, AFileWithoutDataKeepsTheGrid)
{
    const char* no_data[] = {"", "1\r\n2\r\n3\r\n", "1 2\n3 4\n", "\t1 2\r\n"};
    for (const char* bytes : no_data) {
        type_something();
        fake.message_boxes.clear();
        choose_file(bytes);
        read_data_file(ws.main_window);
        expect_one_error("NO (proper) data in the file.\nNot existing the imaginary part?");
        expect_nothing_changed();
    }
    fake.message_boxes.clear();
    ws.ui_japanese = 1;
    choose_file("");
    read_data_file(ws.main_window);
    expect_one_error("ファイルは(適切な)データを含んでいません.\n虚数部が存在しないのでは？", "エラー");
}

TEST_F(ReadData, ARecordReplacesTheWholeGrid)
{
    type_something();
    for (int r = 0; r < kRows; ++r) std::strcpy(ws.row_labels[r], "X(1)");
    fake.field_text[5] = "5";
    choose_file("Re Im\r\n1.5,-2\r\n0\t1.234567890123456\r\n");
    read_data_file(ws.main_window);

    EXPECT_TRUE(fake.message_boxes.empty());
    EXPECT_EQ(fake_field(101), "1.5");
    EXPECT_EQ(fake_field(131), "-2");
    EXPECT_EQ(fake_field(102), "0");
    EXPECT_EQ(fake_field(132), "1.2345678901234");
    EXPECT_EQ(fake_field(106), "");
    for (int r = 0; r < kTextSlots; ++r) {
        EXPECT_STREQ(ws.coef_text_re[r], "");
        EXPECT_STREQ(ws.coef_text_im[r], "");
        EXPECT_STREQ(ws.row_labels[r], r < kRows ? ("*X^" + std::to_string(r)).c_str() : "");
    }
    ASSERT_EQ(fake.repaints.size(), 2u);
    expect_repaint(fake.repaints[0], 47, 0, 79, 20);
    expect_repaint(fake.repaints[1], 0, 21, -1, -1);
    EXPECT_EQ(ws.display_mode, 0);  // the reader leaves the view as it is
}

// Every text goes in through its field, so the field filter sees it: first
// all 60 fields emptied (Re column, then Im), then each record Re, Im.
TEST_F(ReadData, TheFieldFilterSeesEveryText)
{
    choose_file("1 2\r\n3 4\r\n");
    read_data_file(ws.main_window);
    ASSERT_EQ(notified.size(), 64u);
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(notified[i].first, 101 + i);
        EXPECT_EQ(notified[i].second, "");
    }
    const Notifications filled = {{101, "1"}, {131, "2"}, {102, "3"}, {132, "4"}};
    EXPECT_EQ(Notifications(notified.begin() + 60, notified.end()), filled);
}
