// The data area's geometry from the system font.
#include "layout.h"

Layout expected_layout(int client_width)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SIZE label{};
    GetTextExtentPoint32W(dc, L"*X^20", 5, &label);
    DeleteDC(dc);

    Layout l{};
    l.text_height = tm.tmHeight;
    l.row_height = tm.tmHeight + tm.tmExternalLeading + 2;
    l.rows_top = l.row_height + 20;
    l.label_width = label.cx;
    l.left_re = 5;
    l.left_im = 137;
    l.left_label = 271;
    l.right_label = client_width - 5 - label.cx;
    l.right_im = l.right_label - 2 - 132;
    l.right_re = l.right_im - 132;
    l.window_height = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYDLGFRAME) +
                      l.rows_top + 17 * l.row_height;
    return l;
}

RECT expected_field(const Layout& l, bool im, int row, int dx)
{
    bool left = row < 15;
    int x = left ? (im ? l.left_im : l.left_re) : (im ? l.right_im : l.right_re);
    int line = left ? row + 1 : row - 14;
    int y = l.rows_top + line * l.row_height;
    return RECT{x + dx, y, x + dx + 132, y + l.row_height};
}

POINT expected_label(const Layout& l, int row)
{
    bool left = row < 15;
    int line = left ? row + 1 : row - 14;
    return POINT{left ? l.left_label : l.right_label, l.rows_top + line * l.row_height + 1};
}
