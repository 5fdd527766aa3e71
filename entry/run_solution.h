// The Solve command: from the 60 field texts to the roots shown in the grid.
#pragma once

#include "platform/ui.h"
#include "solver/texts.h"

enum class SolveStatus { Refused, NoSolution, Solved, SolvedLargeErrors };

// How a Solve command ended, and the message it showed: a refusal of the
// coefficients, the solver's failure, or the warning of large errors (none
// for Solved). message is the entry of its text table, so it names the text
// in both languages.
struct SolveOutcome {
    SolveStatus status;
    const TextPair* message;
};

// Reads rows 0.. down to the first unfilled row, checks the texts and values
// in order, solves, shows the roots, and shows the outcome's message.
SolveOutcome run_solution(UiHandle main_window);

// True when both texts are non-empty and neither is exactly "." or "-".
bool row_is_filled(const char* re_text, const char* im_text);

// The Solve command on values instead of field texts, for equations that
// come at full precision: re[k] + i im[k] multiplies X^k, 0 <= n <= 29. The
// text check has nothing to see; every later check, the solve and the
// display are those of run_solution.
SolveOutcome run_solution_on_values(UiHandle main_window, const double* re, const double* im, int n);
