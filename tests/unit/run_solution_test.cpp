// The Solve command through the fake platform: which refusal speaks, what
// the grid shows after a solution, and what the command leaves behind.
#include "entry/run_solution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/entry_texts.h"
#include "entry/field_filter.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

struct Row {
    const char* re;
    const char* im;
};

void solve(const std::vector<Row>& rows, int rounding_scale_index = -1,
           void (*notification)(int) = on_field_command)
{
    reset_fake_ui();
    fake.field_notification = notification;
    ws.display_mode = kModeInput;
    if (rounding_scale_index >= 0) {
        const double scales[] = {1000, 100, 10, 1, 0.1};
        ws.rounding_enabled = 1;
        ws.rounding_scale = scales[rounding_scale_index];
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        fake.field_text[r] = rows[r].re;
        fake.field_text[kRows + r] = rows[r].im;
    }
    run_solution(ws.main_window);
}

const std::vector<Row> kCubic = {{"-6", "0"}, {"11", "0"}, {"-6", "0"}, {"1", "0"}};
// 3e-100 x^3 + 7e99 x^2 + 1: the root near -2.3e199 leaves a residual beyond
// the doubles, the others residuals of about 1e99.
const std::vector<Row> kHugeRoot = {{"1", "0"}, {"0", "0"}, {"7e99", "0"}, {"3e-100", "0"}};

template <int Size>
std::vector<std::string> texts(char (*slots)[Size], int n)
{
    return std::vector<std::string>(slots, slots + n);
}

}  // namespace

TEST(RunSolution, OnlyTheFirstFailingCheckSpeaks)
{
    using T = EntryText;
    std::vector<Row> thirty(kRows, Row{"1", "0"});
    thirty[29] = {"0", "0"};
    const struct { const char* name; std::vector<Row> rows; EntryText message; int degree; } cases[] = {
        {"all empty", {}, T::NoSolution, -1},
        {"only row 0", {{"1", "0"}}, T::NoSolution, 0},
        {"bad row 0 before too few rows", {{"x", "0"}}, T::IncorrectCoefficients, 0},
        {"imaginary part left empty", {{"1", "0"}, {"1", ""}}, T::NoSolution, 0},
        {"lone minus ends the rows", {{"1", "0"}, {"-", "0"}, {"1", "0"}}, T::NoSolution, 0},
        {"bad Im row 2, bad Re row 5",
         {{"1", "0"}, {"1", "0"}, {"1", "1..2"}, {"1", "0"}, {"1", "0"}, {"abc", "0"}},
         T::IncorrectCoefficients, 5},
        {"1e301", {{"1", "0"}, {"1e301", "0"}}, T::IncorrectCoefficients, 1},
        {"1e200", {{"1", "0"}, {"1e200", "0"}}, T::OutOfRange, 1},
        {"1e-150", {{"1", "0"}, {"0", "1e-150"}}, T::OutOfRange, 1},
        {"-NAN", {{"1", "-NAN"}, {"1", "0"}}, T::IncorrectCoefficients, 1},
        {"blanks only", {{"1", "0"}, {"   ", "0"}}, T::IncorrectCoefficients, 1},
        {"highest power zero", {{"1", "0"}, {"1", "0"}, {"0", "-0.0"}}, T::HighestDegreeZero, 2},
        {"thirty rows", thirty, T::HighestDegreeZero, 29},
        {"zero constant before range", {{"0", "0"}, {"1e200", "0"}, {"1", "0"}}, T::ConstantTermZero, 2},
    };
    for (const auto& c : cases) {
        solve(c.rows);
        ASSERT_EQ(fake.message_boxes.size(), 1u) << c.name;
        const FakeMessageBox& box = fake.message_boxes[0];
        const bool warning = c.message == T::ConstantTermZero;
        EXPECT_EQ(box.text, entry_text(c.message).en) << c.name;
        EXPECT_EQ(box.caption, warning ? "Warning" : "Error") << c.name;
        EXPECT_EQ(box.style, warning ? 0x30u : 0x10u) << c.name;
        EXPECT_EQ(box.owner, ws.main_window) << c.name;
        EXPECT_EQ(ws.degree, c.degree) << c.name;
        EXPECT_EQ(fake.set_text_calls, 0) << c.name;
        EXPECT_EQ(ws.display_mode, kModeInput) << c.name;
    }
    ws.ui_japanese = 1;  // the fields still hold the last case
    fake.message_boxes.clear();
    run_solution(ws.main_window);
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_EQ(fake.message_boxes[0].text, "定数項がゼロなので、次数の低い代数方程式を使ってください.");
    EXPECT_EQ(fake.message_boxes[0].caption, "警告");
}

TEST(RunSolution, CubicShowsItsRootsInTheGrid)
{
    solve(kCubic);
    EXPECT_TRUE(fake.message_boxes.empty());
    EXPECT_EQ(texts(ws.root_text_re, 4),
              (std::vector<std::string>{" 3.0000000e+00", " 2.0000000e+00", " 1.0000000e+00", ""}));
    EXPECT_EQ(std::string(ws.root_text_im[0]), "-3.4355379e-20");
    for (int r = 0; r < kRows; ++r) {
        EXPECT_EQ(fake_field(101 + r), ws.root_text_re[r]) << r;
        EXPECT_EQ(fake_field(131 + r), ws.root_text_im[r]) << r;
    }
    EXPECT_EQ(texts(ws.row_labels, 4), (std::vector<std::string>{"X(1)", "X(2)", "X(3)", ""}));
    EXPECT_EQ(ws.display_mode, kModeRoots);
    ASSERT_EQ(fake.repaints.size(), 1u);
    EXPECT_EQ(fake.repaints[0].window, ws.main_window);
    EXPECT_EQ(fake.repaints[0].top, 21);
    EXPECT_EQ(fake.repaints[0].right, -1);
    EXPECT_EQ(fake.cursors, (std::vector<int>{kCursorWait, kCursorArrow}));
    EXPECT_EQ(std::string(ws.error_text_re[3]), "");
}

TEST(RunSolution, RoundingKeepsTheChosenDigits)
{
    // Rounding clears the noise Newton leaves in the cubic's roots and figures.
    solve(kCubic, 2);  // E-6
    EXPECT_EQ(std::string(ws.root_text_re[0]), " 3.0000000e+00");
    for (auto* column : {ws.root_text_im, ws.error_text_re, ws.error_text_im})
        EXPECT_EQ(texts(column, 4), (std::vector<std::string>{" 0", " 0", " 0", ""}));
    // x - (1.23456789 + 3.7e-7 i): the imaginary part lies between E-8 and E-6.
    const std::vector<Row> linear = {{"-1.23456789", "-3.7e-7"}, {"1", "0"}};
    const struct { int setting; const char* re; const char* im; } cases[] = {
        {-1, " 1.2345679e+00", " 3.7000000e-07"},
        {2, " 1.2346000e+00", " 0"},
        {4, " 1.2345680e+00", " 3.7000000e-07"},
    };
    for (const auto& c : cases) {
        solve(linear, c.setting);
        EXPECT_EQ(std::string(ws.root_text_re[0]), c.re) << c.setting;
        EXPECT_EQ(std::string(ws.root_text_im[0]), c.im) << c.setting;
        EXPECT_EQ(std::string(ws.error_text_re[0]), " 0");
        EXPECT_TRUE(fake.message_boxes.empty());
    }
}

TEST(RunSolution, LargeErrorsAreReportedAfterTheRootsAreShown)
{
    static std::vector<std::size_t> boxes_at_write;  // message boxes shown at each field write
    boxes_at_write.clear();
    solve(kHugeRoot, 2, [](int) { boxes_at_write.push_back(fake.message_boxes.size()); });
    EXPECT_EQ(ws.roots_accurate, 0);
    EXPECT_EQ(std::string(ws.error_text_re[0]), " Overflow");
    EXPECT_EQ(std::string(ws.error_text_im[0]), " 1.7709000e+280");  // rounded, not zeroed
    EXPECT_EQ(std::string(ws.error_text_im[1]), " 0");               // -5.6e-100, zeroed
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_EQ(fake.message_boxes[0].caption, "Information");
    EXPECT_EQ(fake.message_boxes[0].style, 0x30u);
    // The roots are in the grid and the view repainted before the warning.
    EXPECT_EQ(boxes_at_write, std::vector<std::size_t>(2 * kRows, 0));
    EXPECT_EQ(fake.repaints.size(), 1u);
}

// However the command ends, the coefficients it read are back in place.
TEST(RunSolution, PutsTheSavedCoefficientsBackHoweverItEnds)
{
    const struct { const char* name; std::vector<Row> rows; std::vector<double> restored; } cases[] = {
        // Refused before scaling: the saved arrays still hold the rows.
        {"zero constant term", {{"0", "0"}, {"2", "0"}, {"3", "0"}}, {0, 2, 3}},
        {"out of range", {{"1", "0"}, {"2", "0"}, {"1e101", "0"}}, {1, 2, 1e101}},
        // From scaling on they hold the unscaled equation in solver order.
        {"highest power zero", {{"4", "0"}, {"2", "0"}, {"0", "0"}}, {0, 2, 4}},
        {"no convergence", {{"-1", "0"}, {"0", "0"}, {"0", "0"}, {"0", "0"}, {"1", "0"}}, {1, 0, 0, 0, -1}},
        {"solved", kCubic, {1, -6, 11, -6}},
        // What the syntax allows: a blank in front, an exponent mark without
        // digits, 15 characters read whole; the rows end at the first gap.
        {"2E+, 2e", {{"2E+", "0"}, {" 2e", "0"}, {"", ""}, {"7", "0"}}, {2, 2}},
        {"15 characters", {{"-1", "0"}, {"0", "-0"}, {"0.0", "0e5"}, {"1.0000000000001", "0"}},
         {1.0000000000001, 0, 0, -1}},
    };
    for (const auto& c : cases) {
        solve(c.rows);
        EXPECT_EQ(ws.degree, static_cast<int>(c.restored.size()) - 1) << c.name;
        for (std::size_t k = 0; k < c.restored.size(); ++k) {
            EXPECT_EQ(ws.coef_re[k], c.restored[k]) << c.name << " entry " << k;
            EXPECT_EQ(ws.coef_im[k], 0) << c.name << " entry " << k;
        }
    }
}
