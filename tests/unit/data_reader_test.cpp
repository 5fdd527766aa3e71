// The Read Data command through the fake platform: the dialog, its cancel
// and error paths, the messages, and what the grid holds afterwards.
#include "files/data_reader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

using Log = std::vector<std::string>;
static const char* kDialog[] = {"open Select a file to read|Tab/Comma/Space Texts (*.txt)|*.txt||0x804|",
                                "open 読み込むファイル名の選択|Tab/Comma/Space Texts (*.txt)|*.txt||0x804|"};
static const char kButton[] = "repaint 47 0 79 20";

// Reads the file name with these bytes (no name: the dialog gives none; no
// bytes: the file is missing) over a grid a user had typed and solved.
static void read(const ScratchDir& dir, const char* name, const char* bytes, int japanese = 0,
                 unsigned long dialog_error = 0)
{
    reset_fake_ui();
    ws.ui_japanese = japanese;
    fake.dialog_error = dialog_error;
    field(101) = "7";
    field(131) = "8";
    std::strcpy(ws.coef_text_re[0], "7");
    std::strcpy(ws.coef_text_im[0], "8");
    for (int r = 0; r < kRows; ++r) std::strcpy(ws.row_labels[r], "X(1)");
    std::strcpy(ws.file_name, "C:\\old.txt");
    if (name) fake.paths.push_back(bytes ? dir.put(name, bytes) : dir.path(name));
    read_data_file(ws.main_window);
}

// What the user had typed is worth more than a file that holds nothing.
TEST(ReadData, CancelAndEveryFailureKeepTheGrid)
{
    const char kNoData[] = "box Error 0x10: NO (proper) data in the file.\nNot existing the imaginary part?";
    const struct { int japanese; unsigned long dialog_error; const char* name; const char* bytes; Log log; } cases[] = {
        {0, 0, nullptr, nullptr, {kDialog[0], kButton}},  // cancelled
        {1, 0, nullptr, nullptr, {kDialog[1], kButton}},
        {0, 0x3002, nullptr, nullptr, {kDialog[0], "box Error 0x10: GetOpenFileName error 0x3002"}},
        {1, 0x3002, nullptr, nullptr, {kDialog[1], "box エラー 0x10: GetOpenFileName エラー 0x3002"}},
        {0, 0, "missing.txt", nullptr, {kDialog[0], kButton, "box Error 0x10: The file does not exist."}},
        {0, 0, "a.txt", "", {kDialog[0], kButton, kNoData}},
        {0, 0, "a.txt", "1\r\n2\r\n3\r\n", {kDialog[0], kButton, kNoData}},
        {0, 0, "a.txt", "1 2\n3 4\n", {kDialog[0], kButton, kNoData}},
        {0, 0, "a.txt", "\t1 2\r\n", {kDialog[0], kButton, kNoData}},
        {1, 0, "a.txt", "", {kDialog[1], kButton, "box エラー 0x10: ファイルは(適切な)データを含んでいません.\n虚数部が存在しないのでは？"}},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        read(dir, c.name, c.bytes, c.japanese, c.dialog_error);
        EXPECT_EQ(fake.log, c.log);
        EXPECT_EQ(ws.file_name, c.name ? dir.path(c.name) : "");
        EXPECT_EQ(field(101) + field(131) + ws.coef_text_re[0] + ws.coef_text_im[0] + ws.row_labels[29], "7878X(1)");
    }
}

// The file replaces the whole grid, and every text goes in through its
// field so the field filter sees it: first all 60 fields emptied (Re
// column, then Im), then each record Re, Im. The view stays as it is.
TEST(ReadData, ARecordReplacesTheWholeGridThroughTheFields)
{
    ScratchDir dir;
    read(dir, "a.txt", "Re Im\r\n1.5,-2\r\n0\t1.234567890123456\r\n");
    Log expected = {kDialog[0], kButton};
    for (int id = 101; id <= 160; ++id) expected.push_back("set " + std::to_string(id) + " ");
    for (const char* line : {"repaint 0 21 -1 -1", "set 101 1.5", "set 131 -2", "set 102 0", "set 132 1.2345678901234"})
        expected.push_back(line);
    EXPECT_EQ(fake.log, expected);
    for (int r = 0; r < kTextSlots; ++r) {
        EXPECT_EQ(std::string(ws.coef_text_re[r]) + ws.coef_text_im[r], "");
        EXPECT_STREQ(ws.row_labels[r], r < kRows ? ("*X^" + std::to_string(r)).c_str() : "");
    }
    EXPECT_EQ(ws.display_mode, kModeSplash);
}
