// The main window "DROVU_95": its class, its procedure and the program-wide
// decisions taken while it is created (language, single copy).
#pragma once

#include <windows.h>

constexpr int main_width = 638;          // outer width; never changes
constexpr int kMainInitialHeight = 476;  // until the data area knows the font

// Registers the class "DROVU_95"; false when the system refuses.
bool register_main_class(HINSTANCE instance);

// Creates the main window, centred on the screen. Its creation builds the
// data area and shows it; null when creation failed or another copy runs.
HWND create_main_window(HINSTANCE instance);

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wp, LPARAM lp);

// ui_japanese = 1 exactly when the system's ANSI code page is Shift-JIS.
void choose_language();

// Ends this copy (by closing its new window) when another copy's main window
// exists, under either language's caption; otherwise builds the data area.
void check_single_instance(HWND window);

// Releases the splash picture while it is still shown and ends the message
// loop with exit code 0.
void quit_program();
