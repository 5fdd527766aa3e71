// The About box.
#pragma once

#include <windows.h>

void show_about_box(HWND main_window);
