// The Solve command and what it builds on: the number test, the rounding
// and the result texts, and the command itself through the fake platform
// with the settings dialog's rules -- which refusal speaks, and what the
// grid shows.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

#include "entry/field_filter.h"
#include "entry/number_test.h"
#include "entry/result_format.h"
#include "entry/run_solution.h"
#include "entry/settings_logic.h"
#include "tests/unit/fake_ui.h"

using Texts = std::vector<std::string>;
using Rows = std::vector<std::pair<const char*, const char*>>;  // Re and Im text; row r is X^r

// The value must be the correctly rounded double in both builds.
TEST(NumberTest, SyntaxAndValue)
{
    const struct { const char* text; bool accepted; double value; } cases[] = {
        {"5", true, 5}, {"5.", true, 5}, {".5", true, 0.5}, {"+7", true, 7}, {"-3.5", true, -3.5}, {"", true, 0},
        {" \t\n\v\f\r12", true, 12}, {"-0", true, 0}, {"1e00000000000000000002", true, 100}, {"1e-400", true, 0},
        // An exponent mark without digits counts as exponent 0.
        {"1e", true, 1}, {"2E+", true, 2}, {"2.5E-", true, 2.5}, {"-1e300", true, -1e300}, {"1e301", false, 0},
        {"-1.0000001e300", false, 0},
        // Halfway cases: only a correctly rounding conversion gets these.
        {"9007199254740993", true, 9007199254740992.0}, {"682757576674849e8", true, 68275757667484900000000.0},
        {"2.2250738585072011e-308", true, 2.2250738585072009e-308},
        {" ", false, 0}, {"-", false, 0}, {"+", false, 0}, {".", false, 0}, {"-.", false, 0}, {"e5", false, 0},
        {".e1", false, 0}, {"1.2.3", false, 0}, {"1 ", false, 0}, {"1,5", false, 0}, {"1e5.", false, 0},
        {"1e+-5", false, 0}, {"1ee", false, 0}, {"--1", false, 0}, {"inf", false, 0}, {"-NAN", false, 0},
        {"0x10", false, 0}, {"1d5", false, 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(number_test(c.text, &value), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

// Six 9s or six 0s end the digits of a shown value; rounding keeps log10(R)
// significant digits, half up, and a value whose rounding would not fit a
// double as it is; a result text has at most 15 characters.
TEST(ResultFormat, SnapRoundAndFormat)
{
    const double snaps[][2] = {
        {2.9999994, 3}, {-2.9999997, -3}, {-1.2999999, -1.3}, {0.12999999999, 0.13}, {9.9999995, 10},
        {-9.9999995, -10}, {1.0000001, 1}, {123.45600000000002, 123.456}, {1.2340000001234568, 1.234},
        {1.0 / 3, 1.0 / 3}, {-2.0000001, -2.0000001}, {DBL_MAX, DBL_MAX}, {4.9e-324, 4.9e-324}, {INFINITY, INFINITY},
    };
    for (const auto& c : snaps) EXPECT_EQ(snap_decimal(c[0]), c[1]) << c[0];
    const double roundings[][3] = {{99999.95, 1e5, 100000}, {100000, 1e5, 100000}, {DBL_MAX, 1e3, DBL_MAX}};
    for (const auto& c : roundings) EXPECT_EQ(round_significant(c[0], c[1]), c[2]) << c[0];
    EXPECT_TRUE(std::isnan(snap_decimal(NAN)) && std::isnan(round_significant(NAN, 1e5)));

    const struct { double x; const char* text; } texts[] = {
        {0, " 0"}, {-0.0, " 0"}, {1.5, " 1.5000000e+00"}, {-0.25, "-2.5000000e-01"}, {1e100, " 1.0000000e+100"},
        {-1.2345678e-100, "-1.2345678e-100"}, {12345678.5, " 1.2345678e+07"}, {4.9e-324, " 4.9406565e-324"},
        {INFINITY, " Overflow"}, {-INFINITY, " Overflow"}, {NAN, " Overflow"},
    };
    reset_workspace();
    char text[kTextSize];
    for (const auto& c : texts) {
        format_result(c.x, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.x;
    }
    ws.ui_japanese = 1;
    format_result(NAN, text, sizeof text);
    EXPECT_STREQ(text, " オーバーフロー");  // 15 bytes in Shift-JIS
    format_result(-1.5, text, 6);
    EXPECT_STREQ(text, "-1.50");
}

// Types the rows, chooses the method and the rounding digit (-1: no
// rounding) as the settings dialog does, and solves.
static SolveOutcome solve(const Rows& rows, int method, int digit, int japanese)
{
    reset_fake_ui();
    ws.display_mode = kModeInput;
    ws.ui_japanese = japanese;
    std::strcpy(ws.coef_text_re[0], "old");  // what an earlier solution kept
    std::strcpy(ws.coef_text_im[0], "old");
    select_method((method + 1) % 4);  // the dialog changes the key from another one
    select_method(method);
    EXPECT_EQ(current_method(), method);  // the button the dialog shows
    toggle_rounding();
    if (digit >= 0)
        select_digit(digit);
    else
        toggle_rounding();  // ticked and unticked again: no rounding
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        field(101 + r) = rows[r].first;
        field(131 + r) = rows[r].second;
    }
    return run_solution(ws.main_window);
}

// The outcome names the message its box showed.
static bool names_its_box(const SolveOutcome& outcome)
{
    const Texts boxes = logged("box");
    if (!outcome.message) return boxes.empty();
    const std::string text = pick_text(*outcome.message);
    return boxes.size() == 1 && boxes[0].size() >= text.size() &&
           boxes[0].compare(boxes[0].size() - text.size(), text.size(), text) == 0;
}

// "re im" of each root or figure shown.
static Texts shown(char (*re)[kTextSize], char (*im)[kTextSize])
{
    Texts texts;
    for (int k = 0; k < ws.degree; ++k) texts.push_back(std::string(re[k]) + " " + im[k]);
    return texts;
}

// The checks run in order and only the first failing one speaks; the texts
// of the rows read are kept and the grid stays as it is. A solution shows
// what each key finds for the cubic, noise included, the exact roots and
// zero figures of the formulas, and the digits of the rounding setting.
TEST(RunSolution, RefusalsAndWorkedValues)
{
    const char* kIncorrect[] = {"box Error 0x10: Incorrect coefficient(s)!", "box エラー 0x10: 係数が不正です!"};
    const char* kNoSolution[] = {
        "box Error 0x10: Unable to get a solution!\nNO data inputted? and/or\nNO data for the imaginary parts?",
        "box エラー 0x10: 解を得られません!\n入力データがないのでは？ または\n虚数部に数値入力がないのでは？"};
    const char* kConstantZero[] = {
        "box Warning 0x30: Use a lower degree algebraic equation\nbecause of the constant term being zero.",
        "box 警告 0x30: 定数項がゼロなので、次数の低い代数方程式を使ってください."};
    const char* kRange[] = {"box Error 0x10: 1.0E-100 <= |input value| <= 1.0E100, if not 0(zero).",
                            "box エラー 0x10: 1.0E-100 <= |入力数値| <= 1.0E100, もし 0 で無ければ."};
    const char* kHighest[] = {"box Error 0x10: Coefficient of highest degree is zero!",
                              "box エラー 0x10: 最高次の係数がゼロです!"};
    const char* kNoConvergence[] = {
        "box Error 0x10: Unable to get a solution because of no convergence!\nPlease try an another key to solution.",
        "box エラー 0x10: 非収束のため解は得られません!\n他の解法をトライしてみてください."};
    const Rows cubic = {{"-6", "0"}, {"11", "0"}, {"-6", "0"}, {"1", "0"}};  // (X - 1)(X - 2)(X - 3)
    const Rows fourth = {{"-1", "0"}, {"0", "0"}, {"0", "0"}, {"0", "0"}, {"1", "0"}};
    const Rows linear = {{"-1.23456789", "-3.7e-7"}, {"1", "0"}};
    const Texts roots = {" 3.0000000e+00 -3.4355379e-20", " 2.0000000e+00  3.4340786e-20",
                         " 1.0000000e+00  1.4593106e-23"};
    Rows thirty(kRows, {"1", "0"});
    thirty[29] = {"0", "0"};
    // The method and the rounding digit (-1: none) as set in the settings; the
    // message in English and Japanese, none for a solution.
    const struct { const char* name; Rows rows; int method, digit; const char** message; int degree;
                   Texts roots = {}, errors = {}; } cases[] = {
        {"all empty", {}, 0, -1, kNoSolution, -1},
        {"bad row 0 before too few rows", {{"x", "0"}}, 0, -1, kIncorrect, 0},
        {"imaginary part left empty", {{"1", "0"}, {"1", ""}}, 0, -1, kNoSolution, 0},
        {"lone minus ends the rows", {{"1", "0"}, {"-", "0"}, {"1", "0"}}, 0, -1, kNoSolution, 0},
        {"bad Im row 2, bad Re row 5", {{"1", "0"}, {"1", "0"}, {"1", "1..2"}, {"1", "0"}, {"1", "0"}, {"abc", "0"}},
         0, -1, kIncorrect, 5},
        {"bad Im in the highest row", {{"1", "0"}, {"1", "-."}}, 0, -1, kIncorrect, 1},
        {"1e301", {{"1", "0"}, {"1e301", "0"}}, 0, -1, kIncorrect, 1},
        {"1e200", {{"1", "0"}, {"1e200", "0"}}, 0, -1, kRange, 1},
        {"1e-150", {{"1", "0"}, {"0", "1e-150"}}, 0, -1, kRange, 1},
        {"highest power zero", {{"1", "0"}, {"1", "0"}, {"0", "-0.0"}}, 0, -1, kHighest, 2},
        {"thirty rows", thirty, 0, -1, kHighest, 29},
        {"zero constant before range", {{"0", "0"}, {"1e200", "0"}, {"1", "0"}}, 0, -1, kConstantZero, 2},
        {"x^4 - 1", fourth, 0, -1, kNoConvergence, 4}, {"x^4 - 1, Parameter change", fourth, 1, -1, kNoConvergence, 4},
        {"x^4 - 1, Deflation", fourth, 2, -1, kNoConvergence, 4}, {"x^4 - 1, both", fourth, 3, -1, kNoConvergence, 4},
        {"Standard", cubic, 0, -1, nullptr, 3, roots,
         {" 1.2212453e-15 -6.8710758e-20", " 1.2212453e-15 -3.4340786e-20", " 0  2.9186211e-23"}},
        {"Standard, twice the cubic", {{"-12", "0"}, {"22", "0"}, {"-12", "0"}, {"2", "0"}}, 0, -1, nullptr, 3, roots,
         {" 2.4424907e-15 -1.3742152e-19", " 2.4424907e-15 -6.8681571e-20", " 0  5.8372423e-23"}},
        {"Parameter change", cubic, 1, -1, nullptr, 3,
         {" 1.0000000e+00  1.3071947e-17", " 3.0000000e+00  7.2444449e-16", " 2.0000000e+00 -3.7426312e-16"}},
        {"Deflation", cubic, 2, -1, nullptr, 3,
         {" 2.0000000e+00 -7.2965528e-24", " 3.0000000e+00 -7.2965528e-24", " 1.0000000e+00  1.4593106e-23"}},
        {"Param. change + Deflation", cubic, 3, -1, nullptr, 3,
         {" 2.0000000e+00 -6.5359734e-18", " 3.0000000e+00 -6.5359734e-18", " 1.0000000e+00  1.3071947e-17"}},
        // Degree 1 and 2 by formula under any key: entry 1 takes the root with
        // +s, s the principal root of the discriminant.
        {"discriminant -16", {{"5", "0"}, {"2", "0"}, {"1", "0"}}, 3, -1, nullptr, 2,
         {"-1.0000000e+00 -2.0000000e+00", "-1.0000000e+00  2.0000000e+00"}, {" 0  0", " 0  0"}},
        {"discriminant 0", {{"1", "0"}, {"-2", "0"}, {"1", "0"}}, 1, -1, nullptr, 2,
         {" 1.0000000e+00  0", " 1.0000000e+00  0"}},
        {"discriminant -2i", {{"0", "0.5"}, {"0", "0"}, {"1", "0"}}, 0, -1, nullptr, 2,
         {"-5.0000000e-01  5.0000000e-01", " 5.0000000e-01 -5.0000000e-01"}},
        {"linear", {{"4", "-2"}, {"2", "0"}}, 1, -1, nullptr, 1, {"-2.0000000e+00  1.0000000e+00"}, {" 0  0"}},
        // Parts at or below the threshold of the digit read 0.
        {"not rounded", linear, 0, -1, nullptr, 1, {" 1.2345679e+00  3.7000000e-07"}},
        {"E-4", linear, 0, 0, nullptr, 1, {" 1.2300000e+00  0"}},
        {"E-5", linear, 0, 1, nullptr, 1, {" 1.2350000e+00  0"}},
        {"E-6", linear, 0, 2, nullptr, 1, {" 1.2346000e+00  0"}},
        {"E-7", linear, 0, 3, nullptr, 1, {" 1.2345700e+00  3.7000000e-07"}},
        {"E-8", linear, 0, 4, nullptr, 1, {" 1.2345680e+00  3.7000000e-07"}},
        {"E-6, the cubic", cubic, 0, 2, nullptr, 3, {" 3.0000000e+00  0", " 2.0000000e+00  0", " 1.0000000e+00  0"},
         {" 0  0", " 0  0", " 0  0"}},
        {"no such digit: E-6", linear, 0, 5, nullptr, 1, {" 1.2346000e+00  0"}},
    };
    for (const auto& c : cases) {
        for (int japanese : {0, 1}) {
            SCOPED_TRACE(std::string(c.name) + (japanese ? ", Japanese" : ""));
            const SolveOutcome outcome = solve(c.rows, c.method, c.digit, japanese);
            EXPECT_EQ(logged("box"), c.message ? Texts{c.message[japanese]} : Texts{});
            EXPECT_EQ(outcome.status, !c.message                  ? SolveStatus::Solved
                                      : c.message == kNoConvergence ? SolveStatus::NoSolution
                                                                    : SolveStatus::Refused);
            EXPECT_TRUE(names_its_box(outcome));
            EXPECT_EQ(ws.degree, c.degree);
            for (int r = 0; r < kTextSlots; ++r) {
                EXPECT_EQ(std::string(ws.coef_text_re[r]) + "|" + ws.coef_text_im[r],
                          r <= c.degree ? std::string(c.rows[r].first) + "|" + c.rows[r].second : "|");
            }
            if (c.roots.empty()) {
                EXPECT_EQ(std::make_pair(ws.display_mode, logged("set")), std::make_pair(int(kModeInput), Texts{}));
                continue;
            }
            EXPECT_EQ(shown(ws.root_text_re, ws.root_text_im), c.roots);
            if (!c.errors.empty()) {
                EXPECT_EQ(shown(ws.error_text_re, ws.error_text_im), c.errors);
            }
            for (int r = 0; r < kRows; ++r) {
                EXPECT_EQ(field(101 + r) + " " + field(131 + r), r < c.degree ? c.roots[r] : " ") << "row " << r;
                EXPECT_STREQ(ws.row_labels[r], r < c.degree ? ("X(" + std::to_string(r + 1) + ")").c_str() : "");
            }
            EXPECT_EQ(ws.display_mode, kModeRoots);
            EXPECT_EQ(logged("cursor"), (Texts{"cursor 32514", "cursor 32512"}));
            EXPECT_EQ(logged("repaint"), Texts{"repaint 0 21 -1 -1"});
        }
    }
}

// 3e-100 x^3 + 7e99 x^2 + 1: the root near -2.3e199 leaves a figure beyond
// the doubles, the others figures of about 1e99 -- rounded, or zeroed where
// below the threshold. The warning comes once the roots are in the grid.
TEST(RunSolution, LargeErrorsAreReportedAfterTheRootsAreShown)
{
    const char* kWarning[] = {
        "box Information 0x30: Solution may not be proper, because of large error(s).\nTry an another key to solution.",
        "box お知らせ 0x30: 解の誤差が大きいので、正しくない解と思われます.\n他の解法をトライしてみてください."};
    for (int japanese : {0, 1}) {
        const SolveOutcome outcome = solve({{"1", "0"}, {"0", "0"}, {"7e99", "0"}, {"3e-100", "0"}}, 0, 2, japanese);
        EXPECT_EQ(outcome.status, SolveStatus::SolvedLargeErrors);
        EXPECT_TRUE(names_its_box(outcome));
        EXPECT_EQ(shown(ws.error_text_re, ws.error_text_im)[0],
                  std::string(japanese ? " オーバーフロー" : " Overflow") + "  1.7709000e+280");
        EXPECT_STREQ(ws.error_text_im[1], " 0");  // -5.6e-100
        EXPECT_EQ(logged("box"), Texts{kWarning[japanese]});
        EXPECT_EQ(fake.log.back(), kWarning[japanese]);
        EXPECT_EQ(logged("set").size(), 60u);
    }
}
