// Verbs on the main window: typing into fields and checking what the window
// shows -- texts, caption, enabled commands, size and field positions.
#include <cstdlib>

#include "layout.h"
#include "program.h"
#include "screen.h"
#include "text.h"

static bool verb_set(Session& s, const Args& args, std::string* why)
{
    HWND field = field_window(s.program, args[0], args[1], why);
    if (!field) return false;
    std::wstring text = widen(args[2]);
    return run_action(s, [=] {
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }, why);
}

// Typing as a user does: a click at the field's right end puts the focus and
// the caret there, then one WM_CHAR per character.
static bool verb_type(Session& s, const Args& args, std::string* why)
{
    HWND field = field_window(s.program, args[0], args[1], why);
    if (!field) return false;
    std::wstring text = widen(args[2]);
    RECT r{};
    GetClientRect(field, &r);
    LPARAM end_point = MAKELPARAM(r.right - 2, r.bottom / 2);
    return run_action(s, [=] {
        SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, end_point);
        SendMessageW(field, WM_LBUTTONUP, 0, end_point);
        for (wchar_t c : text) SendMessageW(field, WM_CHAR, c, 1);
    }, why);
}

static bool expect_window_text(Session& s, HWND window, const std::string& expected,
                               const std::string& what, std::string* why)
{
    std::string actual;
    if (wait_until(s, [&] { return read_text(s, window, &actual) && actual == expected; }))
        return true;
    *why = what + " is \"" + visible(actual) + "\", expected \"" + visible(expected) + "\"";
    return false;
}

static bool verb_expect(Session& s, const Args& args, std::string* why)
{
    HWND field = field_window(s.program, args[0], args[1], why);
    return field && expect_window_text(s, field, args[2], args[0] + " " + args[1], why);
}

// Both fields of rows FROM..TO are empty.
static bool verb_expect_empty(Session& s, const Args& args, std::string* why)
{
    int from = std::atoi(args[0].c_str()), to = std::atoi(args[1].c_str());
    for (int r = from; r <= to; ++r)
        for (const char* column : {"re", "im"}) {
            HWND field = field_window(s.program, column, std::to_string(r), why);
            if (!field || !expect_window_text(s, field, "", std::string(column) + " " +
                                                                std::to_string(r), why))
                return false;
        }
    return true;
}

static bool verb_expect_caption(Session& s, const Args& args, std::string* why)
{
    return expect_window_text(s, s.program.main, args[0], "the caption", why);
}

static std::string enabled_buttons(const Program& p)
{
    std::string names;
    for (int i = 0; i < 11; ++i) {
        HWND button = toolbar_button(p, i);
        if (button && IsWindowEnabled(button)) names += std::string(names.empty() ? "" : " ") +
                                                        kToolbarNames[i];
    }
    return names;
}

// Exactly the named toolbar buttons are enabled (in toolbar order).
static bool verb_expect_enabled(Session& s, const Args& args, std::string* why)
{
    std::string expected;
    for (int i = 0; i < 11; ++i)
        for (const std::string& name : args)
            if (name == kToolbarNames[i]) expected += (expected.empty() ? "" : " ") + name;
    std::string actual;
    if (wait_until(s, [&] { return (actual = enabled_buttons(s.program)) == expected; }))
        return true;
    *why = "enabled: \"" + actual + "\", expected \"" + expected + "\"";
    return false;
}

// 638 px wide, as high as fifteen lines of fields need, centred on the screen.
static bool verb_expect_window(Session& s, const Args&, std::string* why)
{
    RECT w{}, c{};
    GetWindowRect(s.program.main, &w);
    GetClientRect(s.program.main, &c);
    Layout l = expected_layout(c.right);
    int width = w.right - w.left, height = w.bottom - w.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - 638) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - l.window_height) / 2;
    if (width == 638 && height == l.window_height && w.left == x && w.top == y) return true;
    *why = "window " + std::to_string(width) + "x" + std::to_string(height) + " at (" +
           std::to_string(w.left) + "," + std::to_string(w.top) + "), expected 638x" +
           std::to_string(l.window_height) + " at (" + std::to_string(x) + "," +
           std::to_string(y) + ")";
    return false;
}

static std::string describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

static bool field_in_place(const Session& s, bool im, int row, int dx, std::string* why)
{
    HWND main = s.program.main;
    HWND field = GetDlgItem(main, (im ? 131 : 101) + row);
    RECT c{};
    GetClientRect(main, &c);
    RECT expected = expected_field(expected_layout(c.right), im, row, dx);
    RECT r{};
    GetWindowRect(field, &r);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
    DWORD_PTR limit = 0;
    SendMessageTimeoutW(field, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, s.timeout_ms, &limit);
    if (field && EqualRect(&r, &expected) && IsWindowVisible(field) && limit == 15) return true;
    *why = std::string(im ? "im " : "re ") + std::to_string(row) + " at " + describe(r) +
           " limit " + std::to_string(limit) + ", expected " + describe(expected) + " limit 15";
    return false;
}

// Every field in its column ("shown") or pushed one window width to the right
// ("hidden"), with the size of a line and a limit of 15 characters.
static bool verb_expect_fields(Session& s, const Args& args, std::string* why)
{
    if (args[0] != "shown" && args[0] != "hidden") { *why = "shown or hidden?"; return false; }
    int dx = args[0] == "shown" ? 0 : 638;
    return wait_until(s, [&] {
        for (int i = 0; i < 60; ++i)
            if (!field_in_place(s, i >= 30, i % 30, dx, why)) return false;
        return true;
    });
}

// The client area is blotted out, as when another window covered it, and
// invalidated: what it shows afterwards is what its painting draws anew.
static bool verb_repaint(Session& s, const Args&, std::string* why)
{
    HWND main = s.program.main;
    if (!settle_without_dialog(s, why)) return false;
    RECT client{};
    GetClientRect(main, &client);
    HDC dc = GetDCEx(main, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (dc) {
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(main, dc);
    }
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(main, &centre);
    if (!wait_until(s, [&] { return capture_screen(centre.x, centre.y, 1, 1).at(0, 0) == 0; })) {
        *why = "cannot blot out the window";
        return false;
    }
    return run_action(s, [=] {
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }, why);
}

void add_window_verbs(std::vector<Verb>& verbs)
{
    verbs.insert(verbs.end(), {
        {"set", 3, 3, "set re|im ROW TEXT", verb_set},
        {"type", 3, 3, "type re|im ROW TEXT", verb_type},
        {"expect", 3, 3, "expect re|im ROW TEXT", verb_expect},
        {"expect-empty", 2, 2, "expect-empty FROM TO", verb_expect_empty},
        {"expect-caption", 1, 1, "expect-caption TEXT", verb_expect_caption},
        {"expect-enabled", 0, -1, "expect-enabled BUTTON...", verb_expect_enabled},
        {"expect-window", 0, 0, "expect-window", verb_expect_window},
        {"repaint", 0, 0, "repaint", verb_repaint},
        {"expect-fields", 1, 1, "expect-fields shown|hidden", verb_expect_fields},
    });
}
