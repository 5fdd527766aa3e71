// The Solve command: from the 60 field texts to the roots shown in the grid.
#pragma once

#include "platform/ui.h"

// Reads rows 0.. down to the first unfilled row, checks the texts and values
// in order (one message for the first failure), solves, and shows the roots.
void run_solution(UiHandle main_window);

// True when both texts are non-empty and neither is exactly "." or "-".
bool row_is_filled(const char* re_text, const char* im_text);

// The Solve command on values instead of field texts, for equations that
// come at full precision: re[k] + i im[k] multiplies X^k, 0 <= n <= 29. The
// text check has nothing to see; every later check, the solve and the
// display are those of run_solution.
void run_solution_on_values(UiHandle main_window, const double* re, const double* im, int n);
