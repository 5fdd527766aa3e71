// Verbs for the hover labels: the mouse at a point of the main window, and
// the band under the toolbar strip compared, pixel for pixel, with a label
// drawn here the way the program must draw it.
#include <cstdlib>
#include <cwchar>

#include "program.h"
#include "screen.h"
#include "text.h"

// The label font of this code page and toolbar look, worked out here from
// the same inputs the program uses (code page 932; an NT version in the
// registry gives the larger English font).
struct LabelLook {
    LOGFONTW font;
    int dx, dy, extra;
};

static bool nt_version_readable()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    wchar_t value[128];
    DWORD size = sizeof value;
    bool read = RegQueryValueExW(key, L"CurrentVersion", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return read;
}

static LabelLook label_look()
{
    LabelLook look{};
    look.font.lfWeight = FW_NORMAL;
    if (GetACP() == 932) {
        look.font.lfHeight = 12;
        look.font.lfCharSet = SHIFTJIS_CHARSET;
        wcscpy(look.font.lfFaceName, L"ＭＳゴシック");
        look.extra = 1;
    } else {
        const bool nt = nt_version_readable();
        look.font.lfHeight = nt ? 14 : 12;
        look.font.lfCharSet = OEM_CHARSET;
        wcscpy(look.font.lfFaceName, L"Helv");
        look.dx = nt ? 1 : 0;
        look.dy = -1;
        look.extra = 2;
    }
    return look;
}

// A label's box in main-window coordinates, edges included.
struct Box {
    int left, top, right, bottom;
};

static Box label_box(int button, const std::wstring& text, const LabelLook& look)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontIndirectW(&look.font);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    Box b;
    b.left = GetSystemMetrics(SM_CXBORDER) + 16 + 32 * (button - 1) + 1;
    b.top = GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYCAPTION) + 32;
    b.right = b.left + extent.cx + look.extra + 5;
    b.bottom = b.top + metrics.tmExternalLeading + metrics.tmHeight + 6;
    return b;
}

// The band of the main window that labels cover: its whole width, the rows
// of a label. Screen rectangle.
static RECT label_band(HWND main)
{
    RECT window{};
    GetWindowRect(main, &window);
    const Box any = label_box(1, L"X", label_look());
    return RECT{window.left, window.top + any.top, window.right, window.top + any.bottom + 1};
}

static Image capture_band(HWND main)
{
    RECT band = label_band(main);
    return capture_screen(band.left, band.top, band.right - band.left, band.bottom - band.top);
}

// The band as it was with no label shown, for the pixels around a label.
struct Baseline {
    DWORD pid = 0;
    Image band;
};
static Baseline baseline;

// expected: the baseline (or the screen where there is none) with the label
// drawn over it as the program draws it: default pen and brush, text inside
// the outline.
static Image expected_band(const Image& screen, int button, const std::wstring& text,
                           const LabelLook& look, bool* whole)
{
    *whole = baseline.band.width == screen.width && baseline.band.height == screen.height;
    Image out;
    out.width = screen.width;
    out.height = screen.height;
    BITMAPINFO info = top_down_dib(screen.width, screen.height);
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        DeleteDC(dc);
        return out;
    }
    const Image& under = *whole ? baseline.band : screen;
    std::copy(under.pixels.begin(), under.pixels.end(), static_cast<std::uint32_t*>(bits));
    HGDIOBJ previous_bitmap = SelectObject(dc, dib);
    HFONT font = CreateFontIndirectW(&look.font);
    HGDIOBJ previous_font = SelectObject(dc, font);
    const Box b = label_box(button, text, look);
    const int top = 0, bottom = b.bottom - b.top;
    Rectangle(dc, b.left, top, b.right, bottom);
    RECT inside{b.left + 1, top + 1, b.right - 1, bottom - 1};
    ExtTextOutW(dc, b.left + look.dx + 3, top + look.dy + 3, ETO_CLIPPED, &inside, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    GdiFlush();
    auto* p = static_cast<const std::uint32_t*>(bits);
    out.pixels.assign(p, p + screen.width * screen.height);
    SelectObject(dc, previous_font);
    DeleteObject(font);
    SelectObject(dc, previous_bitmap);
    DeleteObject(dib);
    DeleteDC(dc);
    return out;
}

static int label_pixel_differences(const Image& screen, const Image& expected, const Box& b,
                                   bool whole)
{
    int differences = 0;
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x) {
            // Without a baseline only the painted part of the label is known.
            bool painted = x >= b.left && x < b.right && y < b.bottom - b.top;
            if ((whole || painted) && screen.at(x, y) != expected.at(x, y)) ++differences;
        }
    return differences;
}

// Moves the mouse pointer of the display itself (xdotool, through XTEST),
// as a hand on the mouse would. Moving it from here with SetCursorPos or
// SendInput makes Wine warp the pointer, and the program then sees the
// warps come back late as moves to old positions.
static void move_mouse(POINT at)
{
    std::wstring command = L"\"Z:\\usr\\bin\\xdotool\" mousemove " + std::to_wstring(at.x) +
                           L" " + std::to_wstring(at.y);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(L"Z:\\usr\\bin\\xdotool", &command[0], nullptr, nullptr, FALSE, 0,
                       nullptr, nullptr, &startup, &info)) {
        // A Unix program has no Windows process to wait for: the callers
        // wait until the pointer is there.
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return;
    }
    SetCursorPos(at.x, at.y);
}

// hover X Y: the mouse at client (X, Y) of the main window; Y may be "top"
// (the buttons' first row, which is off the strip) or "bottom" (its last row).
// Returns once the program has followed the mouse.
static bool verb_hover(Session& s, const Args& args, std::string* why)
{
    HWND main = s.program.main;
    if (!main) { *why = "no program"; return false; }
    const int border = GetSystemMetrics(SM_CYBORDER);
    POINT at{std::atoi(args[0].c_str()), std::atoi(args[1].c_str())};
    if (args[1] == "top") at.y = border;
    if (args[1] == "bottom") at.y = border + 20;
    ClientToScreen(main, &at);
    move_mouse(at);
    // Under Wine the position reaches the system (and the program's
    // GetCursorPos) only once the display has moved the pointer.
    POINT now{};
    if (!wait_until(s, [&] { return GetCursorPos(&now) && now.x == at.x && now.y == at.y; })) {
        *why = "the mouse did not get to (" + args[0] + ", " + args[1] + ")";
        return false;
    }
    // What the system sends on every mouse move over the window, sent here
    // so that the program has handled this very position when it returns.
    DWORD_PTR result;
    if (SendMessageTimeoutW(main, WM_SETCURSOR, reinterpret_cast<WPARAM>(main),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), SMTO_ABORTIFHUNG, s.timeout_ms,
                            &result))
        return true;
    *why = "the program did not follow the mouse";
    return false;
}

// mouse-away: the mouse to the desktop's bottom-left corner, outside every
// window of the program, without telling the program anything.
static bool verb_mouse_away(Session& s, const Args&, std::string* why)
{
    const POINT corner{0, GetSystemMetrics(SM_CYSCREEN) - 1};
    move_mouse(corner);
    POINT now{};
    if (wait_until(s, [&] { return GetCursorPos(&now) && now.x == corner.x && now.y == corner.y; }))
        return true;
    *why = "the mouse did not leave the program";
    return false;
}

// hover-baseline: keeps the band as it is now, with no label shown.
static bool verb_hover_baseline(Session& s, const Args&, std::string* why)
{
    if (!s.program.main) { *why = "no program"; return false; }
    baseline.pid = s.program.pid;
    baseline.band = capture_band(s.program.main);
    return baseline.band.width > 0;
}

// Saves both pictures of a failed comparison into the scratch folder.
static std::string keep_evidence(const Session& s, const Image& screen, const Image& expected)
{
    const std::string base = s.scratch + "\\hover-label";
    if (s.scratch.empty() || !save_image(screen, base + ".screen.bmp") ||
        !save_image(expected, base + ".expected.bmp"))
        return "";
    return "; see " + base + ".*.bmp";
}

// expect-hover-label none | BUTTON TEXT: the band shows no label (it is as
// the baseline), or exactly the label TEXT of BUTTON and, where there is a
// baseline, nothing else.
static bool verb_expect_hover_label(Session& s, const Args& args, std::string* why)
{
    HWND main = s.program.main;
    if (!main) { *why = "no program"; return false; }
    if (baseline.pid != s.program.pid) baseline = Baseline{};
    const LabelLook look = label_look();
    Image screen, expected;
    int differences = 0;
    if (args[0] == "none") {
        if (!baseline.band.width) { *why = "no hover-baseline taken"; return false; }
        expected = baseline.band;
        if (wait_until(s, [&] {
                screen = capture_band(main);
                differences = count_differences(screen, expected, 0, 0);
                return differences == 0;
            }))
            return true;
        *why = std::to_string(differences) + " pixels differ from the band without a label";
    } else {
        const int button = command_number(args[0]);
        if (!button || args.size() < 2) { *why = "usage: expect-hover-label BUTTON TEXT"; return false; }
        const std::wstring text = widen(args[1]);
        const Box b = label_box(button, text, look);
        if (wait_until(s, [&] {
                screen = capture_band(main);
                bool whole = false;
                expected = expected_band(screen, button, text, look, &whole);
                differences = label_pixel_differences(screen, expected, b, whole);
                return differences == 0;
            }))
            return true;
        *why = std::to_string(differences) + " pixels differ from the label \"" + args[1] + "\"";
    }
    *why += keep_evidence(s, screen, expected);
    return false;
}

void add_label_verbs(std::vector<Verb>& verbs)
{
    verbs.insert(verbs.end(), {
        {"hover", 2, 2, "hover X Y|top|bottom", verb_hover},
        {"mouse-away", 0, 0, "mouse-away", verb_mouse_away},
        {"hover-baseline", 0, 0, "hover-baseline", verb_hover_baseline},
        {"expect-hover-label", 1, 2, "expect-hover-label none|BUTTON TEXT",
         verb_expect_hover_label},
    });
}
