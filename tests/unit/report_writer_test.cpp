// The Save Data command through the fake platform: the dialog, the refusals
// in their order, and a report that is written whole or not at all.
#include "files/report_writer.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/report_format.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

class SaveData : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_fake_ui();
        solved(20);
        std::snprintf(dir_, sizeof dir_, "/tmp/drovu-save-XXXXXX");
        ASSERT_NE(mkdtemp(dir_), nullptr);
    }
    void TearDown() override
    {
        for (const std::string& name : files_in_dir()) std::remove(path(name).c_str());
        rmdir(dir_);
    }

    // A solved equation of degree n, as the report reads it.
    static void solved(int n)
    {
        ws.degree = n;
        ws.roots_accurate = 1;
        for (int k = 0; k <= n; ++k)
            for (auto* column : {ws.coef_text_re, ws.coef_text_im, ws.root_text_re, ws.root_text_im,
                                 ws.error_text_re, ws.error_text_im})
                std::snprintf(column[k], kTextSize, "%d", k + 1);
    }

    std::string path(const std::string& name) const { return std::string(dir_) + "/" + name; }

    std::vector<std::string> files_in_dir() const
    {
        std::vector<std::string> names;
        if (DIR* dir = opendir(dir_)) {
            while (dirent* entry = readdir(dir))
                if (entry->d_name[0] != '.') names.push_back(entry->d_name);
            closedir(dir);
        }
        return names;
    }

    std::string contents(const std::string& name) const
    {
        std::string bytes(20000, '\0');
        std::FILE* file = std::fopen(path(name).c_str(), "rb");
        bytes.resize(file ? std::fread(&bytes[0], 1, bytes.size(), file) : 0);
        if (file) std::fclose(file);
        return bytes;
    }

    void put_file(const std::string& name, const std::string& bytes) const
    {
        std::FILE* file = std::fopen(path(name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    static std::string expected_report()
    {
        char bytes[kReportCapacity];
        int length = compose_report(ws, bytes, kReportCapacity);
        return std::string(bytes, static_cast<std::size_t>(length));
    }

    void save_as(const std::string& file_name)
    {
        fake.message_boxes.clear();
        fake.dialog_paths.push_back(file_name);
        save_results_report(ws.main_window);
    }

    void expect_message(const char* text, const char* caption, unsigned style)
    {
        ASSERT_EQ(fake.message_boxes.size(), 1u) << text;
        EXPECT_EQ(fake.message_boxes[0].text, text);
        EXPECT_EQ(fake.message_boxes[0].caption, caption);
        EXPECT_EQ(fake.message_boxes[0].style, style);
        EXPECT_EQ(fake.message_boxes[0].owner, ws.main_window);
    }

    char dir_[64];
};

const char kRemote[] = "Unable to save to the remote disk.";
const char kNoSpace[] = "Not enough free diskspace.";
const char kNotTxt[] = "Assign a file with TXT extension.";
const char kCannotCreate[] = "Unable to create an assigned file to save data.";

}  // namespace

TEST_F(SaveData, TheDialogItsCancelAndItsFailure)
{
    std::strcpy(ws.file_name, "C:\\old.txt");
    save_results_report(ws.main_window);  // no answer scripted: cancel
    ASSERT_EQ(fake.dialog_requests.size(), 1u);
    const FileDialogRequest& request = fake.dialog_requests[0];
    EXPECT_EQ(request.owner, ws.main_window);
    EXPECT_EQ(fake.dialog_filters[0], "Texts (*.txt)|*.txt|");
    EXPECT_EQ(fake.dialog_titles[0], "Assign a file to save");
    EXPECT_EQ(request.flags, 0x806u);
    EXPECT_EQ(fake.dialog_def_exts[0], "xls");
    EXPECT_EQ(request.file_name, ws.file_name);
    EXPECT_EQ(request.file_name_size, 258);
    EXPECT_EQ(ws.file_name[0], '\0');
    EXPECT_TRUE(fake.message_boxes.empty());
    ASSERT_EQ(fake.repaints.size(), 1u);
    const FakeRepaint& r = fake.repaints[0];
    EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}), (std::vector<int>{111, 0, 143, 20}));
    EXPECT_TRUE(fake.drive_queries.empty());

    fake.dialog_error = 0xFFFF;
    save_results_report(ws.main_window);
    expect_message("GetSaveFileName error 0xffff", "Error", kMbOk | kMbIconError);
    fake.message_boxes.clear();
    ws.ui_japanese = 1;
    save_results_report(ws.main_window);
    EXPECT_EQ(fake.dialog_titles[2], "保存するファイル名の選択");
    expect_message("GetSaveFileName エラー 0xffff", "エラー", kMbOk | kMbIconError);
}

// Drive first, then space, then the name, then the writing: each refusal is
// the first that applies, and none of them creates a file or costs the user
// the file that was there.
TEST_F(SaveData, RefusalsInTheirOrder)
{
    const struct {
        int drive;
        std::uint64_t free_bytes;
        const char* name;
        const char* message;  // null: saved
        bool replace_fails = false;
    } cases[] = {
        {kDriveRemote, 0, "x.xls", kRemote},
        {kDriveCdrom, 0, "x.xls", kRemote},
        {kDriveUnknown, 0, "x.xls", kRemote},
        {kDriveNoRootDir, 0, "x.xls", kRemote},
        {kDriveFixed, 4999, "x.xls", kNoSpace},  // degree 20 needs 150 * 20 + 2000 bytes
        {kDriveRemovable, 5000, "x.xls", kNotTxt},
        {kDriveRamdisk, 5000, "x.xls", kNotTxt},
        {kDriveFixed, 5000, "x.txt", nullptr},
        {kDriveFixed, 5000, "result.TXT", nullptr},
        {kDriveFixed, 5000, "RESULT.Txt", nullptr},
        {kDriveFixed, 5000, "result.text", kNotTxt},
        {kDriveFixed, 5000, "resulttxt", kNotTxt},
        {kDriveFixed, 5000, "txt", kNotTxt},
        {kDriveFixed, 5000, "old.txt", kCannotCreate, true},
        {kDriveFixed, 5000, "no such folder/old.txt", kCannotCreate},
    };
    put_file("old.txt", "the old report\r\n");
    for (const auto& c : cases) {
        fake.drive_type = c.drive;
        fake.free_bytes = c.free_bytes;
        fake.replace_fails = c.replace_fails;
        fake.drive_queries.clear();
        const std::size_t files_before = files_in_dir().size();
        save_as(path(c.name));
        ASSERT_EQ(fake.drive_queries.size(), 1u);
        EXPECT_EQ(fake.drive_queries[0], std::string(dir_).substr(0, 3));
        if (c.message) {
            const bool warning = c.message == kRemote || c.message == kNoSpace;
            expect_message(c.message, warning ? "Warning" : "Error",
                           kMbOk | (c.message == kCannotCreate ? kMbIconError : kMbIconExclamation));
            EXPECT_EQ(files_in_dir().size(), files_before) << c.name;
        } else {
            EXPECT_TRUE(fake.message_boxes.empty()) << c.name;
            EXPECT_EQ(contents(c.name), expected_report()) << c.name;
        }
        EXPECT_EQ(contents("old.txt"), "the old report\r\n") << c.name;
    }
    ws.ui_japanese = 1;
    fake.replace_fails = true;
    save_as(path("old.txt"));
    expect_message("データ保存用ファイルを作成できません.", "エラー", kMbOk | kMbIconError);
    fake.free_bytes_known = false;
    save_as(path("y.txt"));
    expect_message("ディスクの空容量が不足です.", "警告", kMbOk | kMbIconExclamation);

    // The drive is asked about by the name's first three bytes.
    fake.drive_type = kDriveRemote;
    fake.drive_queries.clear();
    save_as("C:\\reports\\result.txt");
    save_as("\\\\server\\share\\result.txt");
    EXPECT_EQ(fake.drive_queries, (std::vector<std::string>{"C:\\", "\\\\s"}));
}

// Saving again replaces the report whole, and a file that happens to have
// the name of the unfinished report survives.
TEST_F(SaveData, SavingAgainReplacesTheReportAndNothingElse)
{
    put_file("result.txt", std::string(10000, 'x'));  // longer than any report
    put_file("result.txt.~0", "mine\r\n");
    save_as(path("result.txt"));
    EXPECT_TRUE(fake.message_boxes.empty());
    EXPECT_EQ(contents("result.txt"), expected_report());
    solved(3);
    save_as(path("result.txt"));
    EXPECT_EQ(contents("result.txt"), expected_report());
    EXPECT_EQ(contents("result.txt.~0"), "mine\r\n");
    EXPECT_EQ(files_in_dir().size(), 2u);
}
