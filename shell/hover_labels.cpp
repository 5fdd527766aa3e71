// Hover labels drawn straight onto the main window, caption and frame
// included, with the pixels under them kept and put back.
#include "shell/hover_labels.h"

#include <cstring>

#include "entry/toolbar_labels.h"
#include "solver/workspace.h"

static LabelStore label_store;

static std::uint32_t dc_get_pixel(void* dc, int x, int y)
{
    return GetPixel(static_cast<HDC>(dc), x, y);
}

// A pixel that could not be read (outside the screen when it was saved) is
// left as it is rather than painted with the error value.
static void dc_set_pixel(void* dc, int x, int y, std::uint32_t colour)
{
    if (colour != CLR_INVALID) SetPixelV(static_cast<HDC>(dc), x, y, colour);
}

static void dc_measure(void* dc, const char* text, int* width, int* height, int* leading)
{
    SIZE extent{};
    GetTextExtentPoint32A(static_cast<HDC>(dc), text, static_cast<int>(std::strlen(text)), &extent);
    TEXTMETRICA metrics{};
    GetTextMetricsA(static_cast<HDC>(dc), &metrics);
    *width = extent.cx;
    *height = metrics.tmHeight;
    *leading = metrics.tmExternalLeading;
}

// The default pen and brush give the black outline on white; the text is
// kept inside the outline so that a label cut to the backing store's size
// never paints a pixel that was not saved.
static void dc_draw(void* dc, const LabelRect& box, int text_x, int text_y, const char* text)
{
    const HDC hdc = static_cast<HDC>(dc);
    Rectangle(hdc, box.left, box.top, box.right, box.bottom);
    const RECT inside{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    ExtTextOutA(hdc, text_x, text_y, ETO_CLIPPED, &inside, text,
                static_cast<UINT>(std::strlen(text)), nullptr);
}

// The main window's whole-window context, with the label font selected when
// a label may be drawn.
struct LabelContext {
    HWND window;
    HDC dc;
    HFONT font;
    HGDIOBJ previous_font;
    LabelSurface surface;
};

static bool open_label_context(HWND main_window, bool with_font, LabelContext& c)
{
    c = LabelContext{};
    c.window = main_window;
    c.dc = GetWindowDC(main_window);
    if (!c.dc) return false;
    const LabelFont font = label_font(ws.ui_japanese, ws.os_style_code);
    if (with_font) {
        LOGFONTA description{};
        description.lfHeight = font.height;
        description.lfWeight = font.weight;
        description.lfCharSet = static_cast<BYTE>(font.charset);
        std::strncpy(description.lfFaceName, font.face, LF_FACESIZE - 1);
        c.font = CreateFontIndirectA(&description);
        if (c.font) c.previous_font = SelectObject(c.dc, c.font);
    }
    c.surface = {c.dc,
                 dc_get_pixel,
                 dc_set_pixel,
                 dc_measure,
                 dc_draw,
                 GetSystemMetrics(SM_CXBORDER),
                 GetSystemMetrics(SM_CYBORDER),
                 GetSystemMetrics(SM_CYCAPTION),
                 font};
    return true;
}

static void close_label_context(LabelContext& c)
{
    if (c.font) {
        SelectObject(c.dc, c.previous_font);
        DeleteObject(c.font);
    }
    ReleaseDC(c.window, c.dc);
}

// While a dialog or message box is open the main window is disabled; labels
// then stay as they are, so none is drawn over the box or left behind it.
static bool labels_may_change(HWND main_window)
{
    return GetActiveWindow() != nullptr && IsWindowEnabled(main_window);
}

void track_hover_label(HWND main_window)
{
    POINT mouse{};
    GetCursorPos(&mouse);
    ScreenToClient(main_window, &mouse);
    if (!labels_may_change(main_window)) return;
    LabelContext c;
    if (!open_label_context(main_window, true, c)) return;
    track_label(label_store, mouse.x, mouse.y, c.surface);
    close_label_context(c);
}

void erase_hover_label(HWND main_window)
{
    LabelContext c;
    if (open_label_context(main_window, false, c)) {
        hide_label(label_store, c.surface);
        close_label_context(c);
    }
    label_store.rect = LabelRect{0, 0, 0, 0};
    ws.hover_label_state = 0;
}

void redraw_mode_label(HWND main_window)
{
    if (!labels_may_change(main_window)) return;
    LabelContext c;
    if (!open_label_context(main_window, true, c)) return;
    show_mode_label(label_store, c.surface);
    close_label_context(c);
}
