// The commands that switch the grid between its views.
#pragma once

#include "platform/ui.h"

void open_input_view(UiHandle main_window);  // "Input Coefficients"
void show_error_figures();                    // "Error"
