// The data area of the main window: 60 edit fields in 30 rows (Re and Im),
// the "Re"/"Im" headings, the row labels, and the splash picture shown until
// the first coefficient input.
#pragma once

#include <windows.h>

// Builds the fields, sizes and centres the main window to the font, sets its
// caption, shows it with the splash picture. Called once, from WM_CREATE.
void create_data_area(HWND main_window);

// Moves every field to its home column plus dx, repainting it; dx = 0 puts
// the fields in view, dx = the window width puts them out of sight.
void shift_fields(int dx);

// Releases the splash picture and its surface, if they still exist.
void release_splash_surface();

// WM_PAINT: the splash or the headings and labels by display mode, and the
// toolbar commands enabled to match.
void paint_main_window(HWND main_window);
void paint_headings(HWND main_window);
void paint_row_labels(HWND main_window);
