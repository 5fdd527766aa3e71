// The data area: geometry from the default font, the 60 fields, the splash
// picture, and the painting of headings, row labels and toolbar states.
#include "shell/data_area.h"

#include <cstring>

#include "dialogs/help.h"
#include "platform/ids.h"
#include "shell/hover_labels.h"
#include "shell/main_window.h"
#include "shell/shell_texts.h"
#include "solver/workspace.h"

constexpr int kFieldCount = 2 * kRows;
constexpr int kLinesPerHalf = 15;
constexpr int kFieldMaxChars = 15;
constexpr int kSplashWidth = 253;
constexpr int kSplashHeight = 221;
// Toolbar entries whose enabling follows the display mode: "Read Data",
// "Setting", "Solution" (input side), "Save Data", "Error" (result side).
constexpr int kFirstInputButton = 2, kLastInputButton = 4;
constexpr int kFirstResultButton = 5, kLastResultButton = 6;

// Fixed once by create_data_area; the fields never move except by shift_fields.
struct DataArea {
    int row_height;
    int rows_top;
    int field_width;
    int main_height;
    int left_re_x, left_im_x, left_label_x;
    int right_re_x, right_im_x, right_label_x;
    HBITMAP splash_bitmap;
    HGDIOBJ splash_previous;
};
static DataArea area;

static HWND field_handle(int i)
{
    return static_cast<HWND>(i < kRows ? ws.field_re[i] : ws.field_im[i - kRows]);
}

// Table entry i: Re of rows 0..29, then Im of rows 0..29; rows 0..14 run down
// the left half, rows 15..29 down the right half.
static int field_x(int i)
{
    int row = i % kRows;
    bool left = row < kLinesPerHalf;
    if (i < kRows) return left ? area.left_re_x : area.right_re_x;
    return left ? area.left_im_x : area.right_im_x;
}

static int field_y(int i)
{
    int row = i % kRows;
    int line = row < kLinesPerHalf ? row + 1 : row - (kLinesPerHalf - 1);
    return area.rows_top + line * area.row_height;
}

static void compute_geometry(HWND window)
{
    HDC dc = GetDC(window);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SIZE label{};
    GetTextExtentPoint32A(dc, "*X^20", 5, &label);
    ReleaseDC(window, dc);
    RECT client{};
    GetClientRect(window, &client);

    area.row_height = tm.tmHeight + tm.tmExternalLeading + 2;
    area.rows_top = area.row_height + 20;
    area.field_width = 132;
    area.left_re_x = 5;
    area.left_im_x = area.field_width + 5;
    area.left_label_x = 2 * area.field_width + 7;
    area.right_label_x = client.right - 5 - label.cx;
    area.right_im_x = area.right_label_x - 2 - area.field_width;
    area.right_re_x = area.right_im_x - area.field_width;
}

// Fifteen lines of fields below the headings and one empty line under them.
static void size_and_centre(HWND window)
{
    area.main_height = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYDLGFRAME) +
                       area.rows_top + 17 * area.row_height;
    int x = (GetSystemMetrics(SM_CXSCREEN) - main_width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - area.main_height) / 2;
    HDWP batch = BeginDeferWindowPos(1);
    if (batch)
        batch = DeferWindowPos(batch, window, nullptr, x, y, main_width, area.main_height,
                               SWP_NOZORDER);
    if (batch) EndDeferWindowPos(batch);
}

static void create_fields(HWND window)
{
    HINSTANCE instance = static_cast<HINSTANCE>(ws.program_instance);
    for (int i = 0; i < kFieldCount; ++i) {
        HWND field = CreateWindowExA(
            WS_EX_STATICEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
            field_x(i), field_y(i), area.field_width, area.row_height, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FIELD_RE_FIRST + i)), instance,
            nullptr);
        if (i < kRows) ws.field_re[i] = field;
        else ws.field_im[i - kRows] = field;
        if (field) ShowWindow(field, SW_SHOW);
    }
    for (int i = 0; i < kFieldCount; ++i)
        if (field_handle(i)) SendMessageA(field_handle(i), EM_LIMITTEXT, kFieldMaxChars, 0);
}

static void splash_origin(HWND window, int* x, int* y)
{
    RECT client{};
    GetClientRect(window, &client);
    *x = client.right / 2 - kSplashWidth / 2;
    *y = client.bottom / 2 - kSplashHeight / 2;
}

// The picture stays selected into its own surface, so every repaint in the
// splash view is a single copy.
static void create_splash_surface(HWND window)
{
    if (!area.splash_bitmap) return;
    HDC dc = GetDC(window);
    HDC surface = CreateCompatibleDC(dc);
    if (surface) {
        area.splash_previous = SelectObject(surface, area.splash_bitmap);
        ws.splash_surface = surface;
        int x, y;
        splash_origin(window, &x, &y);
        BitBlt(dc, x, y, kSplashWidth, kSplashHeight, surface, 0, 0, SRCCOPY);
    } else {
        DeleteObject(area.splash_bitmap);
        area.splash_bitmap = nullptr;
    }
    ReleaseDC(window, dc);
}

void create_data_area(HWND window)
{
    compute_geometry(window);
    size_and_centre(window);
    create_fields(window);
    SetWindowTextA(window, pick_text(shell_text(ShellText::Caption)));
    locate_help_documents();
    ws.display_mode = kModeSplash;
    shift_fields(main_width);
    area.splash_bitmap = LoadBitmapA(static_cast<HINSTANCE>(ws.program_instance), "IBMP_1");
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    create_splash_surface(window);
}

void shift_fields(int dx)
{
    for (int i = 0; i < kFieldCount; ++i)
        if (field_handle(i))
            MoveWindow(field_handle(i), field_x(i) + dx, field_y(i), area.field_width,
                       area.row_height, TRUE);
}

void release_splash_surface()
{
    HDC surface = static_cast<HDC>(ws.splash_surface);
    if (surface) {
        SelectObject(surface, area.splash_previous);
        DeleteDC(surface);
        ws.splash_surface = nullptr;
    }
    if (area.splash_bitmap) {
        DeleteObject(area.splash_bitmap);
        area.splash_bitmap = nullptr;
    }
}

static void draw_text(HDC dc, int x, int y, const char* text, int capacity)
{
    int length = static_cast<int>(strnlen(text, static_cast<std::size_t>(capacity)));
    if (length > 0) TextOutA(dc, x, y, text, length);
}

void paint_headings(HWND window)
{
    int offset = area.field_width / 2 - 8;  // about the middle of the column
    HDC dc = GetDC(window);
    draw_text(dc, area.left_re_x + offset, area.rows_top, "Re", 2);
    draw_text(dc, area.left_im_x + offset, area.rows_top, "Im", 2);
    draw_text(dc, area.right_re_x + offset, area.rows_top, "Re", 2);
    draw_text(dc, area.right_im_x + offset, area.rows_top, "Im", 2);
    ReleaseDC(window, dc);
}

void paint_row_labels(HWND window)
{
    HDC dc = GetDC(window);
    for (int r = 0; r < kRows; ++r) {
        bool left = r < kLinesPerHalf;
        int line = left ? r + 1 : r - (kLinesPerHalf - 1);
        // A label never runs past its slot, even without its NUL.
        draw_text(dc, left ? area.left_label_x : area.right_label_x,
                  area.rows_top + line * area.row_height + 1, ws.row_labels[r], kLabelSize - 1);
    }
    ReleaseDC(window, dc);
}

static void enable_buttons(int first, int last, bool enabled)
{
    for (int i = first; i <= last; ++i)
        if (ws.toolbar_buttons[i].button)
            EnableWindow(static_cast<HWND>(ws.toolbar_buttons[i].button), enabled);
}

static void paint_splash(HDC dc, HWND window)
{
    HDC surface = static_cast<HDC>(ws.splash_surface);
    if (!surface) return;
    int x, y;
    splash_origin(window, &x, &y);
    BitBlt(dc, x, y, kSplashWidth, kSplashHeight, surface, 0, 0, SRCCOPY);
}

void paint_main_window(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (ws.display_mode == kModeSplash) {
        paint_splash(dc, window);
        enable_buttons(kFirstInputButton, kLastResultButton, false);
    } else if (ws.display_mode == kModeInput) {
        paint_headings(window);
        paint_row_labels(window);
        enable_buttons(kFirstInputButton, kLastInputButton, true);
        enable_buttons(kFirstResultButton, kLastResultButton, false);
        if (ws.hover_label_state == 1 && ws.previous_input_length == 0) {
            erase_hover_label(window);
            ws.hover_label_state = 1;
            redraw_mode_label(window);
        }
    } else {
        paint_headings(window);
        paint_row_labels(window);
        enable_buttons(kFirstInputButton, kLastInputButton, false);
        enable_buttons(kFirstResultButton, kLastResultButton, true);
        if (ws.hover_label_state == 4) {
            erase_hover_label(window);
            ws.hover_label_state = 4;
            redraw_mode_label(window);
        }
    }
    EndPaint(window, &ps);
}
