// "Read Data": coefficients from a tab-, comma- or space-separated text file.
#pragma once

#include "platform/ui.h"

void read_data_file(UiHandle main_window);
