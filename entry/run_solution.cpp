// The Solve command: reads the grid, checks every text and value, and hands
// the equation to the solver; the display of the roots follows.
#include "entry/run_solution.h"

#include <cmath>
#include <cstring>

#include "entry/entry_texts.h"
#include "entry/number_test.h"
#include "entry/solution_display.h"
#include "solver/solve_driver.h"
#include "solver/workspace.h"

bool row_is_filled(const char* re_text, const char* im_text)
{
    // A lone "." or "-" is what a user leaves behind while starting a number;
    // it ends the rows like an empty field.
    auto filled = [](const char* text) {
        return text[0] != '\0' && std::strcmp(text, ".") != 0 && std::strcmp(text, "-") != 0;
    };
    return filled(re_text) && filled(im_text);
}

static SolveOutcome refusal(EntryText text)
{
    return {SolveStatus::Refused, &entry_text(text)};
}

// Every message of the command, the last thing it does: a failure of the
// solver first gives the arrow back, since the hourglass is still up.
static void show_outcome(UiHandle main_window, const SolveOutcome& outcome)
{
    const TextPair* text = outcome.message;
    switch (outcome.status) {
    case SolveStatus::Solved:
        return;
    case SolveStatus::SolvedLargeErrors:
        show_message(main_window, *text, kCaptionInformation, kMbOk | kMbIconExclamation);
        return;
    case SolveStatus::NoSolution:
        ui_set_cursor(kCursorArrow);
        show_message(main_window, *text, kCaptionError, kMbOk | kMbIconError);
        return;
    case SolveStatus::Refused:
        if (text == &entry_text(EntryText::ConstantTermZero))
            show_message(main_window, *text, kCaptionWarning, kMbOk | kMbIconExclamation);
        else
            show_message(main_window, *text, kCaptionError, kMbOk | kMbIconError);
        return;
    }
}

static void reset_equation()
{
    for (int r = 0; r < kTextSlots; ++r) ws.coef_text_re[r][0] = ws.coef_text_im[r][0] = '\0';
    for (int k = 0; k < kRows; ++k) {
        ws.coef_re[k] = ws.coef_im[k] = 0;
        ws.root_re[k] = ws.root_im[k] = 0;
        ws.error_re[k] = ws.error_im[k] = 0;
        ws.saved_coef_re[k] = ws.saved_coef_im[k] = 0;
        ws.work_re[k] = ws.work_im[k] = 0;
    }
}

static void copy_text(char* to, const char* from)
{
    std::strncpy(to, from, kTextSize - 1);
    to[kTextSize - 1] = '\0';
}

// Reads rows from 0 down to the first unfilled one, keeping their texts and
// values (index = power of X); returns the number of rows read.
static int read_rows()
{
    int r = 0;
    for (; r < kRows; ++r) {
        std::memset(ws.field_text_re, 0, sizeof ws.field_text_re);
        ui_get_text(ws.field_re[r], ws.field_text_re, kFieldTextSize);
        std::memset(ws.field_text_im, 0, sizeof ws.field_text_im);
        ui_get_text(ws.field_im[r], ws.field_text_im, kFieldTextSize);
        if (!row_is_filled(ws.field_text_re, ws.field_text_im)) break;
        copy_text(ws.coef_text_re[r], ws.field_text_re);
        copy_text(ws.coef_text_im[r], ws.field_text_im);
        // A text that is not a number reads as 0 here; the text check
        // refuses it before its value matters.
        number_test(ws.field_text_re, &ws.saved_coef_re[r]);
        number_test(ws.field_text_im, &ws.saved_coef_im[r]);
    }
    return r;
}

static bool texts_are_numbers(int n)
{
    for (int r = 0; r <= n; ++r)
        if (!number_test(ws.coef_text_re[r], nullptr)) return false;
    for (int r = 0; r <= n; ++r)
        if (!number_test(ws.coef_text_im[r], nullptr)) return false;
    return true;
}

static bool part_in_range(double v)
{
    const double magnitude = std::fabs(v);
    return v == 0 || (magnitude >= 1e-100 && magnitude <= 1e100);
}

static bool values_in_range(int n)
{
    for (int k = 0; k <= n; ++k)
        if (!part_in_range(ws.coef_re[k]) || !part_in_range(ws.coef_im[k])) return false;
    return true;
}

static bool constant_term_is_zero(int n)
{
    return ws.coef_re[n] == 0 && ws.coef_im[n] == 0;
}

static void show_hourglass()
{
    ui_set_cursor(kCursorWait);
}

// From the solver order onwards: the remaining checks, the solve and the
// display of the roots.
static SolveOutcome check_and_solve(UiHandle main_window, int n)
{
    if (constant_term_is_zero(n)) return refusal(EntryText::ConstantTermZero);
    if (!values_in_range(n)) return refusal(EntryText::OutOfRange);
    switch (const SolveResult result = solve_pipeline(show_hourglass)) {
    case SolveResult::Solved:
        show_solution(main_window);
        if (ws.roots_accurate) return {SolveStatus::Solved, nullptr};
        return {SolveStatus::SolvedLargeErrors, &entry_text(EntryText::LargeErrors)};
    case SolveResult::AllZero:
        return refusal(EntryText::AllZero);
    case SolveResult::ConstantTermZero:
        return refusal(EntryText::ConstantTermZero);
    case SolveResult::HighestDegreeZero:
        return refusal(EntryText::HighestDegreeZero);
    default:
        return {SolveStatus::NoSolution, &failure_text(result)};
    }
}

// The equation read into saved_coef_re/im (index = power of X), degree n
// >= 1, in solver order, checked and solved.
static SolveOutcome solve_saved(UiHandle main_window, int n)
{
    for (int k = 0; k <= n; ++k) {
        ws.coef_re[k] = ws.saved_coef_re[n - k];
        ws.coef_im[k] = ws.saved_coef_im[n - k];
    }
    // The simultaneous iteration starts from the decimals as typed, not
    // from their doubles: near a multiple root that rounding alone moves
    // the roots further than the iteration's own error.
    if (ws.simultaneous_iteration) {
        for (int k = 0; k <= n; ++k) {
            ws.typed_coef_re[k] = decimal_to_extended(ws.coef_text_re[n - k]);
            ws.typed_coef_im[k] = decimal_to_extended(ws.coef_text_im[n - k]);
        }
    }
    const SolveOutcome outcome = check_and_solve(main_window, n);
    // However the command ended, coef_re/coef_im get back what the saved
    // arrays hold (the unscaled coefficients once scaling has run).
    for (int k = 0; k <= n; ++k) {
        ws.coef_re[k] = ws.saved_coef_re[k];
        ws.coef_im[k] = ws.saved_coef_im[k];
    }
    return outcome;
}

static SolveOutcome read_and_solve(UiHandle main_window)
{
    reset_equation();
    const int n = read_rows() - 1;
    ws.degree = n;
    if (!texts_are_numbers(n)) return refusal(EntryText::IncorrectCoefficients);
    if (n < 1) return refusal(EntryText::NoSolution);
    return solve_saved(main_window, n);
}

SolveOutcome run_solution(UiHandle main_window)
{
    const SolveOutcome outcome = read_and_solve(main_window);
    show_outcome(main_window, outcome);
    return outcome;
}

SolveOutcome run_solution_on_values(UiHandle main_window, const double* re, const double* im, int n)
{
    reset_equation();
    ws.degree = n;
    for (int k = 0; k <= n; ++k) {
        ws.saved_coef_re[k] = re[k];
        ws.saved_coef_im[k] = im[k];
    }
    const SolveOutcome outcome = n < 1 ? refusal(EntryText::NoSolution) : solve_saved(main_window, n);
    show_outcome(main_window, outcome);
    return outcome;
}
