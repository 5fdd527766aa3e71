// Verbs that check pixels: the splash picture, the painted row labels and
// headings, and the toolbar's bitmaps.
#include <algorithm>
#include <cstdlib>

#include "layout.h"
#include "program.h"
#include "screen.h"
#include "text.h"

static POINT client_origin(HWND window)
{
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return origin;
}

static RECT client_rect(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

// shown: the picture sits centred in the client area, pixel for pixel.
// gone: most of its picture has been painted over.
static bool verb_expect_splash(Session& s, const Args& args, std::string* why)
{
    Image splash;
    if (!program_bitmap(s.program_path, "IBMP_1", &splash)) {
        *why = "the program has no bitmap IBMP_1";
        return false;
    }
    bool shown = args[0] == "shown";
    if (!shown && args[0] != "gone") { *why = "shown or gone?"; return false; }
    RECT c = client_rect(s.program.main);
    POINT o = client_origin(s.program.main);
    int x = o.x + c.right / 2 - 126, y = o.y + c.bottom / 2 - 110;
    int differences = 0, total = splash.width * splash.height;
    bool as_expected = wait_until(s, [&] {
        differences = count_differences(capture_screen(x, y, splash.width, splash.height), splash,
                                        0, 0);
        return shown ? differences == 0 : differences > total / 4;
    });
    if (!as_expected)
        *why = std::to_string(differences) + " of " + std::to_string(total) +
               " pixels of the splash picture differ";
    return as_expected;
}

// Saves both pictures of a failed comparison into the scratch folder.
static std::string keep_evidence(const Session& s, std::string what, const Image& screen,
                                 const Image& expected)
{
    for (char& c : what)
        if (c == ' ') c = '-';
    std::string base = s.scratch + "\\" + what;
    if (s.scratch.empty() || !save_image(screen, base + ".screen.bmp") ||
        !save_image(expected, base + ".expected.bmp"))
        return "";
    return "; see " + base + ".*.bmp";
}

static bool expect_text_at(Session& s, int x, int y, int width, const std::string& text,
                           const std::string& what, std::string* why)
{
    RECT c = client_rect(s.program.main);
    Layout l = expected_layout(c.right);
    width = std::min(width, static_cast<int>(c.right) - x);
    Image expected = system_font_text(widen(text), width, l.text_height);
    POINT o = client_origin(s.program.main);
    int differences = 0;
    Image screen;
    if (wait_until(s, [&] {
            screen = capture_screen(o.x + x, o.y + y, width, l.text_height);
            return (differences = count_differences(screen, expected, 0, 0)) == 0;
        }))
        return true;
    *why = what + " does not read \"" + visible(text) + "\" (" + std::to_string(differences) +
           " pixels differ" + keep_evidence(s, what, screen, expected) + ")";
    return false;
}

// The label painted beside row ROW reads TEXT, with nothing after it.
static bool verb_expect_label(Session& s, const Args& args, std::string* why)
{
    int row = std::atoi(args[0].c_str());
    if (row < 0 || row > 29) { *why = "no row " + args[0]; return false; }
    Layout l = expected_layout(client_rect(s.program.main).right);
    POINT at = expected_label(l, row);
    // Up to the next column of fields, or the client area's edge on the right.
    int width = (row < 15 ? l.right_re : client_rect(s.program.main).right) - at.x;
    return expect_text_at(s, at.x, at.y, width, args[1], "label " + args[0], why);
}

// The headings above the columns. The left "Re" is left out: the label of
// "Input Coefficients" may legitimately cover it.
static bool verb_expect_headings(Session& s, const Args&, std::string* why)
{
    Layout l = expected_layout(client_rect(s.program.main).right);
    return expect_text_at(s, l.left_im + 58, l.rows_top, 16, "Im", "left Im heading", why) &&
           expect_text_at(s, l.right_re + 58, l.rows_top, 16, "Re", "right Re heading", why) &&
           expect_text_at(s, l.right_im + 58, l.rows_top, 16, "Im", "right Im heading", why);
}

static const char* const kBaseNames[11] = {"Gap",    "DataW", "Read",  "Corrt", "AnaW", "SaveAs",
                                           "Error",  "About", "Help",  "Exit",  "Space"};

// Compares the part of button index that lies inside the main window's client
// area with the bitmap the button must show.
static bool button_shows_bitmap(Session& s, int index, const std::string& name,
                                std::string* why)
{
    HWND button = toolbar_button(s.program, index);
    Image bitmap;
    if (!program_bitmap(s.program_path, name, &bitmap)) {
        *why = "the program has no bitmap " + name;
        return false;
    }
    RECT b{}, c = client_rect(s.program.main);
    GetWindowRect(button, &b);
    POINT o = client_origin(s.program.main);
    int right = std::min(static_cast<int>(b.right), static_cast<int>(o.x + c.right));
    Image screen = capture_screen(b.left, b.top, right - b.left, b.bottom - b.top);
    int differences = count_differences(screen, bitmap, 0, 0);
    if (differences == 0) return true;
    *why = kToolbarNames[index] + std::string(" does not show ") + name + " (" +
           std::to_string(differences) + " pixels differ)";
    return false;
}

static bool button_shows(Session& s, int index, const std::string& letter, std::string* why)
{
    HWND button = toolbar_button(s.program, index);
    std::string name = std::string(kBaseNames[index]) + letter +
                       (IsWindowEnabled(button) ? "Up" : "In");
    return button_shows_bitmap(s, index, name, why);
}

// expect-picture BUTTON BITMAP: the button shows that bitmap of the program.
static bool verb_expect_picture(Session& s, const Args& args, std::string* why)
{
    int index = toolbar_index(args[0]);
    if (index < 0 || !toolbar_button(s.program, index)) {
        *why = "no toolbar button " + args[0];
        return false;
    }
    return wait_until(s, [&] { return button_shows_bitmap(s, index, args[1], why); });
}

// expect-toolbar plain|9|8|X: every button shows the bitmap of its state in
// that look, and the strip's top row is the button face colour.
static bool verb_expect_toolbar(Session& s, const Args& args, std::string* why)
{
    std::string letter = args[0] == "plain" ? "" : args[0];
    HWND toolbar = find_toolbar(s.program.main);
    if (!toolbar) { *why = "no toolbar"; return false; }
    return wait_until(s, [&] {
        for (int i = 0; i < 11; ++i)
            if (!button_shows(s, i, letter, why)) return false;
        RECT c = client_rect(s.program.main);
        POINT o = client_origin(s.program.main);
        Image line = capture_screen(o.x, o.y, c.right, 1);
        COLORREF face = GetSysColor(COLOR_BTNFACE);
        std::uint32_t expected = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
        for (int x = 0; x < line.width; ++x)
            if (line.at(x, 0) != expected) {
                *why = "the separator line is broken at x = " + std::to_string(x);
                return false;
            }
        return true;
    });
}

void add_screen_verbs(std::vector<Verb>& verbs)
{
    verbs.insert(verbs.end(), {
        {"expect-splash", 1, 1, "expect-splash shown|gone", verb_expect_splash},
        {"expect-label", 2, 2, "expect-label ROW TEXT", verb_expect_label},
        {"expect-headings", 0, 0, "expect-headings", verb_expect_headings},
        {"expect-picture", 2, 2, "expect-picture BUTTON BITMAP", verb_expect_picture},
        {"expect-toolbar", 1, 1, "expect-toolbar plain|9|8|X", verb_expect_toolbar},
    });
}
