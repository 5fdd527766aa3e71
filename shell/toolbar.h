// The toolbar strip "IconBarWindow": eleven owner-drawn bitmap buttons, nine
// of them commands, in the look of the Windows version found at start-up.
#pragma once

#include <windows.h>

// Sets os_style_code (0..7) from the Windows version in the registry.
void probe_os_style();
// Records that the main window's creation has probed, so the strip does not.
void mark_style_probed();

// 0..7 from an NT version text such as "5.1" (null when none could be read)
// and a product name such as "Microsoft Windows ME".
int os_style_from_registry(const char* nt_version, const char* product_name);

// The letter that names a bitmap set: "", "9", "8" or "X".
const char* style_letter(int os_style_code);

// Registers "IconBarWindow" and creates the strip across the top of the main
// window; null when that fails, and the program runs without commands.
HWND create_toolbar(HWND main_window);

LRESULT CALLBACK toolbar_window_proc(HWND window, UINT message, WPARAM wp, LPARAM lp);

// The strip's top pixel row, in the button face colour.
void draw_separator_line(HWND toolbar);
