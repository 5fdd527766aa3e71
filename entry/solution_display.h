// The second half of the Solve command: from the roots the solver left in
// ws.coef_re/coef_im (entries 0..degree-1) to the roots on screen.
#pragma once

#include "platform/ui.h"

// Has the error figures computed, cleans and (when the user asked for it)
// rounds roots and figures, labels the rows X(1)..X(n), writes the roots
// into the grid, switches to the solution view and repaints it, prepares
// the error texts, and warns when an error figure is large -- after the
// roots are visible.
void show_solution(UiHandle main_window);
