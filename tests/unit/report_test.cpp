// The report's bytes, and Save Data through the fake platform: the dialog,
// the refusals in their order, and a report written whole or not at all.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "files/data_parser.h"
#include "files/report_format.h"
#include "files/report_writer.h"
#include "tests/unit/fake_ui.h"

using Log = std::vector<std::string>;

static std::string report()
{
    char bytes[kReportCapacity];
    const int length = compose_report(ws, bytes, kReportCapacity);
    return length < 0 ? "(none)" : std::string(bytes, static_cast<std::size_t>(length));
}

// Row k of the coefficient, root and error texts, Re and Im.
static void set_row(int k, std::vector<const char*> texts)
{
    auto text = texts.begin();
    for (auto* column : {ws.coef_text_re, ws.coef_text_im, ws.root_text_re, ws.root_text_im, ws.error_text_re,
                         ws.error_text_im})
        std::strcpy(column[k], text != texts.end() ? *text++ : "");
}

// The worked example byte for byte under each method's title; with large
// errors the closing note follows, in Shift-JIS for a Japanese interface,
// the rest staying English. Read back as data, a report loads nothing.
TEST(ReportFormat, TheWorkedExampleByteForByte)
{
    const std::string body =
        "\r\n    COEFFICIENTS\r\n      Term  Re                Im\r\n"
        "      X^0    1                 0\r\n"
        "      X^1   -2.5              -1\r\n"
        "      X^2    1                 0.5\r\n"
        "\r\n    SOLUTION\r\n            Re                Im\r\n"
        "      X(1)   1.2345678e+00    -2.5000000e-01\r\n"
        "      X(2)  -3.0000000e+00     0\r\n"
        "\r\n    ERROR\r\n            Re                Im\r\n"
        "      X(1)   0                -1.0000000e-17\r\n"
        "      X(2)   2.5000000e-16     0\r\n";
    const std::string title = "    DROVU [Solution by ", standard = title + "standard method]\r\n" + body;
    const std::string reports[] = {
        standard, title + "parameter change (X -> 1/Y) method]\r\n" + body, title + "deflation method]\r\n" + body,
        title + "parameter change + deflation method]\r\n" + body,
        standard + "\r\nNote: SOLUTION may not be proper, because of large ERROR(s).\r\n",
        standard + "\r\n\x92\x8d: \x89\xf0\x82\xcc\x8c\xeb\x8d\xb7\x82\xaa\x91\xe5\x82\xab\x82\xa2\x82\xcc\x82\xc5"
                   "\x81" "A\x90\xb3\x82\xb5\x82\xad\x82\xc8\x82\xa2\x89\xf0\x82\xc6\x8e" "v\x82\xed\x82\xea"
                   "\x82\xdc\x82\xb7.\r\n",
    };
    for (int i = 0; i < 6; ++i) {
        reset_workspace();
        ws.degree = 2;
        set_row(0, {"1", "0", " 1.2345678e+00", "-2.5000000e-01", " 0", "-1.0000000e-17"});
        set_row(1, {"-2.5", "-1", "-3.0000000e+00", " 0", " 2.5000000e-16", " 0"});
        set_row(2, {"1", "0.5"});
        ws.param_change = i < 4 ? i & 1 : 0;
        ws.deflation_mode = i < 4 ? i >> 1 : 0;
        ws.roots_accurate = i < 4;
        ws.ui_japanese = i == 5;
        const std::string bytes = report();
        EXPECT_EQ(bytes, reports[i]) << "report " << i;
        CoefficientText records[kRows];
        EXPECT_EQ(parse_data_records(memory_byte_source(bytes.data(), bytes.size()), records), 0);
    }
}

// From X^10 and X(10) on the labels are a character wider and the values
// keep their columns. No report beyond the room given; the very room it
// needs is enough.
TEST(ReportFormat, TwoDigitPowersAndTheLimits)
{
    reset_workspace();
    ws.degree = 10;
    for (int k = 0; k <= 10; ++k) set_row(k, {"2.5", "-1", "-1.0000000e+00", " 0"});
    for (const char* line : {"      X^10   2.5              -1\r\n", "      X(10) -1.0000000e+00     0\r\n"})
        EXPECT_NE(report().find(line), std::string::npos) << line;
    char bytes[64];
    EXPECT_EQ(compose_report(ws, bytes, sizeof bytes), -1);
    std::string exact(report().size(), '\0');
    EXPECT_EQ(compose_report(ws, &exact[0], static_cast<int>(exact.size())), static_cast<int>(exact.size()));
}

// Save Data of an equation of degree 20: the dialog, then the drive, the
// space, the name and the writing, each refusal the first that applies and
// none of them leaving a file behind.
TEST(SaveData, TheDialogAndTheRefusalsInTheirOrder)
{
    const std::string dialog = "save Assign a file to save", button = "repaint 111 0 143 20";
    const char* kRemote = "box Warning 0x30: Unable to save to the remote disk.";
    const char* kNotTxt = "box Error 0x30: Assign a file with TXT extension.";
    ScratchDir dir;
    const std::string drive = "drive " + dir.folder.substr(0, 3);
    const std::string longest(257 - dir.folder.size() - 5, 'x');  // a path of 257 bytes, the dialog's most
    const struct { int japanese, error, drive, free; std::string name; Log log; } cases[] = {
        {0, 0, kDriveFixed, 5000, "", {dialog, button}},  // cancelled
        {0, 0xFFFF, kDriveFixed, 5000, "", {dialog, "box Error 0x10: GetSaveFileName error 0xffff"}},
        {1, 0xFFFF, kDriveFixed, 5000, "", {"save 保存するファイル名の選択", "box エラー 0x10: GetSaveFileName エラー 0xffff"}},
        {0, 0, kDriveRemote, 0, "x.xls", {dialog, button, drive, kRemote}},
        {0, 0, kDriveCdrom, 0, "x.xls", {dialog, button, drive, kRemote}},
        // 150 bytes for each degree, 1000 more and a margin of 1000; free
        // space the drive does not tell (-1) is not enough either
        {0, 0, kDriveFixed, 4999, "x.xls", {dialog, button, drive, "box Warning 0x30: Not enough free diskspace."}},
        {0, 0, kDriveFixed, -1, "x.xls", {dialog, button, drive, "box Warning 0x30: Not enough free diskspace."}},
        {0, 0, kDriveRemovable, 5000, "x.xls", {dialog, button, drive, kNotTxt}},
        {0, 0, kDriveRamdisk, 5000, "result.text", {dialog, button, drive, kNotTxt}},
        {0, 0, kDriveFixed, 5000, "no folder/old.txt",
         {dialog, button, drive, "box Error 0x10: Unable to create an assigned file to save data."}},
        {0, 0, kDriveFixed, 5000, "RESULT.Txt", {dialog, button, drive}},
        {0, 0, kDriveFixed, 5000, longest + ".txt", {dialog, button, drive}},
    };
    for (const auto& c : cases) {
        reset_fake_ui();
        ws.degree = 20;
        ws.ui_japanese = c.japanese;
        std::strcpy(ws.file_name, "C:\\old.txt");
        fake.dialog_error = c.error;
        fake.drive_type = c.drive;
        fake.free_known = c.free >= 0;
        if (fake.free_known) fake.free_bytes = static_cast<std::uint64_t>(c.free);
        if (!c.name.empty()) fake.paths.push_back(dir.path(c.name));
        const int files_before = dir.count();
        save_results_report(ws.main_window);
        EXPECT_EQ(fake.log, c.log) << c.name;
        EXPECT_EQ(ws.file_name, c.name.empty() ? "" : dir.path(c.name));
        const bool saved = c.log.size() == 3;
        EXPECT_EQ(dir.count(), files_before + saved) << c.name;
        if (saved) {
            EXPECT_EQ(dir.bytes(c.name), report()) << c.name;
        }
    }
}

// Saving again replaces the report whole; a failed replace keeps the old
// one, a file that happens to have the unfinished report's name survives,
// and a link planted at such a name leads nowhere.
TEST(SaveData, AReportIsReplacedWholeOrNotAtAll)
{
    ScratchDir dir;
    reset_fake_ui();
    dir.put("result.txt", std::string(10000, 'x'));  // longer than any report
    dir.put("result.txt.~0", "mine\r\n");
    std::filesystem::create_symlink(dir.path("victim.txt"), dir.path("result.txt.~1"));
    for (int degree : {20, 3, 5}) {
        ws.degree = degree;
        fake.replace_fails = degree == 5;
        const std::string before = dir.bytes("result.txt");
        fake.paths.push_back(dir.path("result.txt"));
        save_results_report(ws.main_window);
        EXPECT_EQ(dir.bytes("result.txt"), fake.replace_fails ? before : report()) << degree;
        EXPECT_EQ(dir.bytes("result.txt.~0") + std::to_string(dir.count()), "mine\r\n3") << degree;
        EXPECT_FALSE(std::filesystem::exists(dir.path("victim.txt"))) << degree;
    }
    EXPECT_EQ(logged("box"), Log{"box Error 0x10: Unable to create an assigned file to save data."});
}
