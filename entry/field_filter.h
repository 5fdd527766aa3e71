// The watch kept over every field: the filter keeps a typed text a number,
// the guard keeps shown results unchanged.
#pragma once

#include "platform/ui.h"

void filter_field_text(UiHandle field);
void guard_result_field(UiHandle field);

// What the main window does for every notification of field control_id
// (101..160): filter, record the active row, guard.
void on_field_command(int control_id);
