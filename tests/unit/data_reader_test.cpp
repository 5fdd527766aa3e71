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

class ReadData : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::snprintf(dir_, sizeof dir_, "/tmp/drovu-read-XXXXXX");
        ASSERT_NE(mkdtemp(dir_), nullptr);
    }
    void TearDown() override
    {
        for (const std::string& path : files_) std::remove(path.c_str());
        rmdir(dir_);
    }

    // A fresh fake holding what a user had typed and solved before reading:
    // texts in the grid, in the stored coefficient texts, and the labels.
    void type_something()
    {
        reset_fake_ui();
        fake.field_notification = [](int id) { notified.emplace_back(id, fake_field(id)); };
        fake.field_text[0] = "7";
        fake.field_text[30] = "8";
        std::strcpy(ws.coef_text_re[0], "7");
        std::strcpy(ws.coef_text_im[0], "8");
        for (int r = 0; r < kRows; ++r) std::strcpy(ws.row_labels[r], "X(1)");
        before_ = ws;
        notified.clear();
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

    void expect_nothing_changed(const std::string& what)
    {
        EXPECT_EQ(fake_field(101), "7") << what;
        EXPECT_EQ(fake_field(131), "8") << what;
        EXPECT_EQ(std::memcmp(ws.coef_text_re, before_.coef_text_re, sizeof ws.coef_text_re), 0) << what;
        EXPECT_EQ(std::memcmp(ws.coef_text_im, before_.coef_text_im, sizeof ws.coef_text_im), 0) << what;
        EXPECT_EQ(std::memcmp(ws.row_labels, before_.row_labels, sizeof ws.row_labels), 0) << what;
        EXPECT_TRUE(notified.empty()) << what;
    }

    char dir_[64];
    std::vector<std::string> files_;
    Workspace before_;
};

using Rects = std::vector<std::vector<int>>;

// The rectangles repainted, each of the main window.
Rects repainted()
{
    Rects rectangles;
    for (const FakeRepaint& r : fake.repaints) {
        EXPECT_EQ(r.window, ws.main_window);
        rectangles.push_back({r.left, r.top, r.right, r.bottom});
    }
    return rectangles;
}

const std::vector<int> kButton = {47, 0, 79, 20};

}  // namespace

TEST_F(ReadData, TheDialogStartsEmptyAndCancelChangesNothing)
{
    for (int japanese : {0, 1}) {
        type_something();
        ws.ui_japanese = japanese;
        std::strcpy(ws.file_name, "C:\\old.txt");
        read_data_file(ws.main_window);
        ASSERT_EQ(fake.dialog_requests.size(), 1u);
        const FileDialogRequest& request = fake.dialog_requests[0];
        EXPECT_EQ(request.owner, ws.main_window);
        EXPECT_EQ(fake.dialog_filters[0], "Tab/Comma/Space Texts (*.txt)|*.txt|");
        EXPECT_EQ(fake.dialog_titles[0], japanese ? "読み込むファイル名の選択" : "Select a file to read");
        EXPECT_EQ(request.flags, 0x804u);
        EXPECT_EQ(request.def_ext, nullptr);
        EXPECT_EQ(request.file_name, ws.file_name);
        EXPECT_EQ(request.file_name_size, 258);
        EXPECT_EQ(ws.file_name[0], '\0');
        EXPECT_TRUE(fake.message_boxes.empty());
        EXPECT_EQ(repainted(), Rects{kButton});
        expect_nothing_changed("cancel");
    }
}

// What the user had typed is worth more than a file that holds nothing.
TEST_F(ReadData, EveryFailureSaysWhyAndKeepsTheGrid)
{
    const char kNoData[] = "NO (proper) data in the file.\nNot existing the imaginary part?";
    const struct { int japanese; unsigned long dialog_error; const char* bytes; const char* text; } cases[] = {
        {0, 0x3002, nullptr, "GetOpenFileName error 0x3002"},
        {1, 0x3002, nullptr, "GetOpenFileName エラー 0x3002"},
        {0, 0, nullptr, "The file does not exist."},  // no such file
        {0, 0, "", kNoData},
        {0, 0, "1\r\n2\r\n3\r\n", kNoData},
        {0, 0, "1 2\n3 4\n", kNoData},
        {0, 0, "\t1 2\r\n", kNoData},
        {1, 0, "", "ファイルは(適切な)データを含んでいません.\n虚数部が存在しないのでは？"},
    };
    for (const auto& c : cases) {
        type_something();
        ws.ui_japanese = c.japanese;
        fake.dialog_error = c.dialog_error;
        if (c.bytes)
            choose_file(c.bytes);
        else if (!c.dialog_error)
            fake.dialog_paths.push_back(std::string(dir_) + "/no such file.txt");
        read_data_file(ws.main_window);
        ASSERT_EQ(fake.message_boxes.size(), 1u) << c.text;
        EXPECT_EQ(fake.message_boxes[0].text, c.text);
        EXPECT_EQ(fake.message_boxes[0].caption, c.japanese ? "エラー" : "Error");
        EXPECT_EQ(fake.message_boxes[0].style, kMbOk | kMbIconError);
        EXPECT_EQ(fake.message_boxes[0].owner, ws.main_window);
        EXPECT_EQ(repainted(), c.dialog_error ? Rects{} : Rects{kButton}) << c.text;
        expect_nothing_changed(c.text);
    }
}

// The file replaces the whole grid, and every text goes in through its
// field so the field filter sees it: first all 60 fields emptied (Re
// column, then Im), then each record Re, Im.
TEST_F(ReadData, ARecordReplacesTheWholeGridThroughTheFields)
{
    type_something();
    fake.field_text[5] = "5";
    choose_file("Re Im\r\n1.5,-2\r\n0\t1.234567890123456\r\n");
    read_data_file(ws.main_window);

    EXPECT_TRUE(fake.message_boxes.empty());
    ASSERT_EQ(notified.size(), 64u);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(notified[i], (std::pair<int, std::string>{101 + i, ""}));
    const Notifications filled = {{101, "1.5"}, {131, "-2"}, {102, "0"}, {132, "1.2345678901234"}};
    EXPECT_EQ(Notifications(notified.begin() + 60, notified.end()), filled);
    EXPECT_EQ(fake_field(106), "");
    for (int r = 0; r < kTextSlots; ++r) {
        EXPECT_STREQ(ws.coef_text_re[r], "");
        EXPECT_STREQ(ws.coef_text_im[r], "");
        EXPECT_STREQ(ws.row_labels[r], r < kRows ? ("*X^" + std::to_string(r)).c_str() : "");
    }
    EXPECT_EQ(repainted(), (Rects{kButton, {0, 21, -1, -1}}));
    EXPECT_EQ(ws.display_mode, 0);  // the reader leaves the view as it is
}
