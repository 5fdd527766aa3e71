// Where the program must put its fields and labels, worked out here from the
// same default font, independently of the program's own arithmetic.
#pragma once

#include <windows.h>

struct Layout {
    int row_height, rows_top, text_height, label_width;
    int left_re, left_im, left_label;
    int right_re, right_im, right_label;
    int window_height;
};

Layout expected_layout(int client_width);

// Client rectangle of a field (im: Im column; row 0..29) shifted by dx.
RECT expected_field(const Layout& l, bool im, int row, int dx);

// Client position of the label of row 0..29.
POINT expected_label(const Layout& l, int row);
