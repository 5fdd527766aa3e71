// The Solve command through the fake platform, with the settings dialog's
// method and rounding digit: which refusal speaks, and what the grid shows.
#include "entry/run_solution.h"

#include <gtest/gtest.h>

#include "entry/field_filter.h"
#include "entry/settings_logic.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

using Texts = std::vector<std::string>;
using Rows = std::vector<std::pair<const char*, const char*>>;  // Re and Im text; row r is X^r

// Types the rows, chooses the method and the rounding digit (-1: no
// rounding) in the settings, and solves.
void solve(const Rows& rows, int method, int digit, int japanese)
{
    reset_fake_ui();
    fake.notify = on_field_command;
    ws.display_mode = kModeInput;
    ws.ui_japanese = japanese;
    select_method(method);
    if (digit >= 0) {
        toggle_rounding();
        select_digit(digit);
    }
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        field(101 + r) = rows[r].first;
        field(131 + r) = rows[r].second;
    }
    run_solution(ws.main_window);
}

// "re im" of each root or figure shown.
Texts shown(char (*re)[kTextSize], char (*im)[kTextSize])
{
    Texts texts;
    for (int k = 0; k < ws.degree; ++k) texts.push_back(std::string(re[k]) + " " + im[k]);
    return texts;
}

}  // namespace

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
    const Texts roots = {" 3.0000000e+00 -3.4355379e-20", " 2.0000000e+00  3.4340786e-20", " 1.0000000e+00  1.4593106e-23"};
    Rows thirty(kRows, {"1", "0"});
    thirty[29] = {"0", "0"};
    const struct { const char* name; Rows rows; int method, digit; const char** message; int degree; Texts roots = {}, errors = {}; } cases[] = {
        {"all empty", {}, 0, -1, kNoSolution, -1},
        {"only row 0", {{"1", "0"}}, 0, -1, kNoSolution, 0},
        {"bad row 0 before too few rows", {{"x", "0"}}, 0, -1, kIncorrect, 0},
        {"imaginary part left empty", {{"1", "0"}, {"1", ""}}, 0, -1, kNoSolution, 0},
        {"lone minus ends the rows", {{"1", "0"}, {"-", "0"}, {"1", "0"}}, 0, -1, kNoSolution, 0},
        {"bad Im row 2, bad Re row 5", {{"1", "0"}, {"1", "0"}, {"1", "1..2"}, {"1", "0"}, {"1", "0"}, {"abc", "0"}},
         0, -1, kIncorrect, 5},
        {"1e301", {{"1", "0"}, {"1e301", "0"}}, 0, -1, kIncorrect, 1},
        {"blanks only", {{"1", "0"}, {"   ", "0"}}, 0, -1, kIncorrect, 1},
        {"1e200", {{"1", "0"}, {"1e200", "0"}}, 0, -1, kRange, 1},
        {"1e-150", {{"1", "0"}, {"0", "1e-150"}}, 0, -1, kRange, 1},
        {"highest power zero", {{"1", "0"}, {"1", "0"}, {"0", "-0.0"}}, 0, -1, kHighest, 2},
        {"thirty rows", thirty, 0, -1, kHighest, 29},
        {"zero constant before range", {{"0", "0"}, {"1e200", "0"}, {"1", "0"}}, 0, -1, kConstantZero, 2},
        {"x^4 - 1, Standard", fourth, 0, -1, kNoConvergence, 4}, {"x^4 - 1, Parameter change", fourth, 1, -1, kNoConvergence, 4},
        {"x^4 - 1, Deflation", fourth, 2, -1, kNoConvergence, 4}, {"x^4 - 1, Both", fourth, 3, -1, kNoConvergence, 4},
        {"Standard", cubic, 0, -1, nullptr, 3, roots,
         {" 1.2212453e-15 -6.8710758e-20", " 1.2212453e-15 -3.4340786e-20", " 0  2.9186211e-23"}},
        {"Standard, twice the cubic", {{"-12", "0"}, {"22", "0"}, {"-12", "0"}, {"2", "0"}}, 0, -1, nullptr, 3, roots,
         {" 2.4424907e-15 -1.3742152e-19", " 2.4424907e-15 -6.8681571e-20", " 0  5.8372423e-23"}},
        {"Parameter change", cubic, 1, -1, nullptr, 3,
         {" 1.0000000e+00  1.3071947e-17", " 3.0000000e+00  7.2444449e-16", " 2.0000000e+00 -3.7426312e-16"}},
        {"Deflation", cubic, 2, -1, nullptr, 3,
         {" 2.0000000e+00 -7.2965528e-24", " 3.0000000e+00 -7.2965528e-24", " 1.0000000e+00  1.4593106e-23"}},
        {"Both", cubic, 3, -1, nullptr, 3,
         {" 2.0000000e+00 -6.5359734e-18", " 3.0000000e+00 -6.5359734e-18", " 1.0000000e+00  1.3071947e-17"}},
        {"quadratic", {{"5", "0"}, {"2", "0"}, {"1", "0"}}, 3, -1, nullptr, 2,
         {"-1.0000000e+00 -2.0000000e+00", "-1.0000000e+00  2.0000000e+00"}, {" 0  0", " 0  0"}},
        {"linear", {{"4", "-2"}, {"2", "0"}}, 1, -1, nullptr, 1, {"-2.0000000e+00  1.0000000e+00"}, {" 0  0"}},
        // Parts at or below the threshold of the digit read 0.
        {"not rounded", linear, 0, -1, nullptr, 1, {" 1.2345679e+00  3.7000000e-07"}},
        {"E-4", linear, 0, 0, nullptr, 1, {" 1.2300000e+00  0"}}, {"E-5", linear, 0, 1, nullptr, 1, {" 1.2350000e+00  0"}},
        {"E-6", linear, 0, 2, nullptr, 1, {" 1.2346000e+00  0"}},
        {"E-7", linear, 0, 3, nullptr, 1, {" 1.2345700e+00  3.7000000e-07"}},
        {"E-8", linear, 0, 4, nullptr, 1, {" 1.2345680e+00  3.7000000e-07"}},
    };
    for (const auto& c : cases) {
        for (int japanese : {0, 1}) {
            SCOPED_TRACE(std::string(c.name) + (japanese ? ", Japanese" : ""));
            solve(c.rows, c.method, c.digit, japanese);
            EXPECT_EQ(logged("box"), c.message ? Texts{c.message[japanese]} : Texts{});
            EXPECT_EQ(ws.degree, c.degree);
            for (int r = 0; r < kTextSlots; ++r) EXPECT_STREQ(ws.coef_text_re[r], r <= c.degree ? c.rows[r].first : "");
            if (c.roots.empty()) {
                EXPECT_EQ(ws.display_mode, kModeInput);
                EXPECT_EQ(logged("set"), Texts{});
                continue;
            }
            EXPECT_EQ(shown(ws.root_text_re, ws.root_text_im), c.roots);
            if (!c.errors.empty()) {
                EXPECT_EQ(shown(ws.error_text_re, ws.error_text_im), c.errors);
            }
            const int n = c.degree;
            for (int r = 0; r < kRows; ++r) {
                EXPECT_EQ(field(101 + r) + " " + field(131 + r), r < n ? c.roots[r] : " ") << "row " << r;
                EXPECT_STREQ(ws.row_labels[r], r < n ? ("X(" + std::to_string(r + 1) + ")").c_str() : "");
            }
            EXPECT_EQ(ws.display_mode, kModeRoots);
            EXPECT_EQ(logged("cursor"), (Texts{"cursor 32514", "cursor 32512"}));
            EXPECT_EQ(logged("repaint"), Texts{"repaint 0 21 -1 -1"});
        }
    }
}

// 3e-100 x^3 + 7e99 x^2 + 1: the root near -2.3e199 leaves a figure beyond
// the doubles, the others figures of about 1e99. The warning comes once the
// roots are in the grid.
TEST(RunSolution, LargeErrorsAreReportedAfterTheRootsAreShown)
{
    const char* kWarning[] = {
        "box Information 0x30: Solution may not be proper, because of large error(s).\nTry an another key to solution.",
        "box お知らせ 0x30: 解の誤差が大きいので、正しくない解と思われます.\n他の解法をトライしてみてください."};
    for (int japanese : {0, 1}) {
        solve({{"1", "0"}, {"0", "0"}, {"7e99", "0"}, {"3e-100", "0"}}, 0, 2, japanese);
        // Rounded, not zeroed; -5.6e-100, zeroed.
        EXPECT_EQ(shown(ws.error_text_re, ws.error_text_im)[0],
                  japanese ? " オーバーフロー  1.7709000e+280" : " Overflow  1.7709000e+280");
        EXPECT_STREQ(ws.error_text_im[1], " 0");
        EXPECT_EQ(logged("box"), Texts{kWarning[japanese]});
        EXPECT_EQ(fake.log.back(), kWarning[japanese]);
        EXPECT_EQ(logged("set").size(), 60u);
    }
}
