// The toolbar strip: the registry probe that picks the look, the eleven
// owner-drawn buttons and their bitmaps, and the forwarding of clicks to the
// main window as commands 161..169.
#include "shell/toolbar.h"

#include <cstdio>
#include <cstring>

#include "platform/ids.h"
#include "solver/workspace.h"

static const char kToolbarClass[] = "IconBarWindow";
constexpr int kButtonHeight = 20;
constexpr int kCommandOffset = IDC_TOOLBAR_FIRST - IDM_INPUT + 1;  // 171 -> 161
constexpr int kRegistryBufferSize = 258;
constexpr DWORD kRegistryReadSize = 256;

struct ButtonLayout {
    const char* base_name;
    int x;
    int width;  // 0: to the screen's right edge
    bool enabled;
};
constexpr ButtonLayout kButtonLayout[kToolbarButtons] = {
    {"Gap", 0, 16, false},     {"DataW", 16, 32, true},  {"Read", 48, 32, false},
    {"Corrt", 80, 32, false},  {"AnaW", 112, 32, false}, {"SaveAs", 144, 32, false},
    {"Error", 176, 32, false}, {"About", 208, 32, true}, {"Help", 240, 32, true},
    {"Exit", 272, 32, true},   {"Space", 304, 0, false},
};

static bool style_probed = false;

void mark_style_probed()
{
    style_probed = true;
}

const char* style_letter(int os_style_code)
{
    switch (os_style_code) {
    case 2: return "9";
    case 4: return "8";
    case 5: return "X";
    }
    return "";
}

int os_style_from_registry(const char* nt_version, const char* product_name)
{
    if (nt_version) {
        if (std::strstr(nt_version, "4.0")) return 3;
        if (std::strstr(nt_version, "5.0")) return 4;
        if (std::strstr(nt_version, "5.1") || std::strstr(nt_version, "5.2")) return 5;
        if (std::strstr(nt_version, "6.0") || std::strstr(nt_version, "6.1")) return 6;
        return 7;
    }
    if (std::strstr(product_name, "Windows ME")) return 2;
    if (std::strstr(product_name, "Windows 98")) return 1;
    return 0;
}

// Reads a string value under HKEY_LOCAL_MACHINE into buffer, always leaving
// it NUL-terminated. The key is opened for querying only: the program never
// writes the registry, and a user without administrator rights can still
// read these keys. Returns false when the key does not open; *read tells
// whether the value was read.
static bool read_machine_text(const char* key_name, const char* value_name,
                              char (&buffer)[kRegistryBufferSize], bool* read)
{
    std::memset(buffer, 0, sizeof buffer);
    *read = false;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_name, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD size = kRegistryReadSize;
    LONG result = RegQueryValueExA(key, value_name, nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    *read = result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ);
    if (!*read) std::memset(buffer, 0, sizeof buffer);
    return true;
}

void probe_os_style()
{
    char text[kRegistryBufferSize];
    bool read = false;
    read_machine_text("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion", text,
                      &read);
    if (read) {
        ws.os_style_code = os_style_from_registry(text, nullptr);
        return;
    }
    if (!read_machine_text("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductName", text,
                           &read))
        return;
    ws.os_style_code = os_style_from_registry(nullptr, text);
}

static void name_bitmaps(ToolbarButton& record, const char* base_name)
{
    const char* letter = style_letter(ws.os_style_code);
    std::snprintf(record.up_name, sizeof record.up_name, "%s%sUp", base_name, letter);
    std::snprintf(record.down_name, sizeof record.down_name, "%s%sDn", base_name, letter);
    std::snprintf(record.inactive_name, sizeof record.inactive_name, "%s%sIn", base_name, letter);
}

static void on_create(HWND window)
{
    if (!style_probed) probe_os_style();
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    int top = GetSystemMetrics(SM_CYBORDER);
    int screen_width = GetSystemMetrics(SM_CXSCREEN);
    for (int i = 0; i < kToolbarButtons; ++i) {
        const ButtonLayout& layout = kButtonLayout[i];
        ToolbarButton& record = ws.toolbar_buttons[i];
        name_bitmaps(record, layout.base_name);
        int width = layout.width ? layout.width : screen_width - layout.x;
        if (width < 0) width = 0;
        HWND button = CreateWindowExA(
            0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, layout.x, top, width,
            kButtonHeight, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TOOLBAR_FIRST + i)), instance, nullptr);
        record.button = button;
        if (button && !layout.enabled) EnableWindow(button, FALSE);
    }
}

static const char* bitmap_for(const ToolbarButton& record, UINT item_state)
{
    if (!IsWindowEnabled(static_cast<HWND>(record.button))) return record.inactive_name;
    if (item_state & ODS_SELECTED) return record.down_name;
    return record.up_name;
}

// The bitmap is copied 1:1 from its top-left corner; no focus rectangle is
// ever drawn, and a focus-only change draws nothing.
static void on_draw_item(HWND window, const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_BUTTON) return;
    int index = static_cast<int>(item.CtlID) - IDC_TOOLBAR_FIRST;
    if (index < 0 || index >= kToolbarButtons) return;
    const ToolbarButton& record = ws.toolbar_buttons[index];
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    HBITMAP bitmap = LoadBitmapA(instance, bitmap_for(record, item.itemState));
    if (bitmap && (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        HDC surface = CreateCompatibleDC(item.hDC);
        HGDIOBJ previous = surface ? SelectObject(surface, bitmap) : nullptr;
        if (previous) {
            const RECT& r = item.rcItem;
            BitBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, surface, 0, 0,
                   SRCCOPY);
            SelectObject(surface, previous);
        }
        if (surface) DeleteDC(surface);
    }
    if (bitmap) DeleteObject(bitmap);
    draw_separator_line(window);
}

// Every notification of a command button is passed on, and the button is
// repainted once the command has run.
static void on_command(HWND window, int id, HWND button)
{
    if (id < IDC_TOOLBAR_FIRST + 1 || id > IDC_TOOLBAR_LAST - 1) return;
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id - kCommandOffset, 0), 0);
    if (button) InvalidateRect(button, nullptr, TRUE);
}

LRESULT CALLBACK toolbar_window_proc(HWND window, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_CREATE: on_create(window); return 0;
    case WM_DRAWITEM: on_draw_item(window, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return 0;
    case WM_COMMAND: on_command(window, LOWORD(wp), reinterpret_cast<HWND>(lp)); return 0;
    }
    return DefWindowProcA(window, message, wp, lp);
}

void draw_separator_line(HWND toolbar)
{
    RECT client{};
    GetClientRect(toolbar, &client);
    HDC dc = GetDC(toolbar);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, client.right, 0);
    SelectObject(dc, previous);
    DeleteObject(pen);
    ReleaseDC(toolbar, dc);
}

HWND create_toolbar(HWND main_window)
{
    HINSTANCE instance = static_cast<HINSTANCE>(ws.program_instance);
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_PARENTDC;
    wc.lpfnWndProc = toolbar_window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kToolbarClass;
    int height = GetSystemMetrics(SM_CYBORDER) + kButtonHeight;
    int width = GetSystemMetrics(SM_CXSCREEN);
    if (!RegisterClassA(&wc)) return nullptr;
    HWND toolbar = CreateWindowExA(0, kToolbarClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                   main_window, nullptr, instance, nullptr);
    if (!toolbar) return nullptr;
    SetWindowPos(toolbar, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(toolbar, SW_SHOW);
    UpdateWindow(toolbar);
    return toolbar;
}
