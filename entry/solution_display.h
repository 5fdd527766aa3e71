// The second half of the Solve command: from the roots and error figures the
// solver left in ws (roots in coef_re/coef_im entries 0..degree-1) to the
// roots on screen.
#pragma once

#include "platform/ui.h"

// Cleans and (when the user asked for it) rounds roots and error figures,
// labels the rows X(1)..X(n), writes the roots into the grid, switches to the
// solution view and repaints it, and prepares the error texts.
void show_solution(UiHandle main_window);

// A root or error figure as the grid shows it: the decimal clean-up and,
// when the user asked for it, the rounding.
double shown_value(double x);
