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
