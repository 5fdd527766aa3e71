// The settings dialog: rounding and the key to solution.
#pragma once

#include <windows.h>

void run_settings_dialog(HWND main_window);
