// The boxed names drawn under the toolbar buttons while the mouse rests on them.
#pragma once

#include <windows.h>

void track_hover_label(HWND main_window);
void erase_hover_label(HWND main_window);
void redraw_mode_label(HWND main_window);
