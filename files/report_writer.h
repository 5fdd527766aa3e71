// "Save Data": the equation and its solution as a plain text report.
#pragma once

#include "platform/ui.h"

void save_results_report(UiHandle main_window);
