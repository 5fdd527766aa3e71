// Verbs on the program's message boxes and dialogs: read their caption,
// text, buttons and icon; press their buttons; set and read their controls.
#include <cstdlib>

#include "program.h"
#include "screen.h"
#include "text.h"

static const char* const kButtonNames[] = {"", "ok", "cancel", "abort", "retry", "ignore",
                                           "yes", "no"};

static int button_id(const std::string& name)
{
    for (int id = 1; id <= 7; ++id)
        if (name == kButtonNames[id]) return id;
    return std::atoi(name.c_str());
}

struct BoxContent {
    std::string text;     // the texts of its static controls, one per line
    std::string buttons;  // names of its buttons by id, joined by '-'
};

static BoxContent read_box(const Session& s, HWND box)
{
    BoxContent content;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = L"";
        GetClassNameW(child, name, 32);
        std::string text;
        if (!_wcsicmp(name, L"Static") && read_text(s, child, &text) && !text.empty())
            content.text += (content.text.empty() ? "" : "\n") + text;
    }
    for (int id = 1; id <= 7; ++id) {
        HWND button = GetDlgItem(box, id);
        if (button && IsWindowVisible(button))
            content.buttons += (content.buttons.empty() ? "" : "-") + std::string(kButtonNames[id]);
    }
    return content;
}

static HWND wait_for_dialog(Session& s, std::string* why)
{
    HWND box = nullptr;
    if (!wait_until(s, [&] { return (box = find_dialog(s.program.pid)) != nullptr; }))
        *why = "no message box or dialog appeared";
    return box;
}

// expect-box CAPTION TEXT BUTTONS [ICON]: a message box of the program is
// open, and shows exactly this.
static bool verb_expect_box(Session& s, const Args& args, std::string* why)
{
    HWND box = wait_for_dialog(s, why);
    if (!box) return false;
    std::string caption;
    BoxContent content;
    bool same = wait_until(s, [&] {
        read_text(s, box, &caption);
        content = read_box(s, box);
        return caption == args[0] && content.text == args[1] && content.buttons == args[2];
    });
    if (!same) {
        *why = "box \"" + visible(caption) + "\" \"" + visible(content.text) + "\" " +
               content.buttons + ", expected \"" + visible(args[0]) + "\" \"" +
               visible(args[1]) + "\" " + args[2];
        return false;
    }
    return args.size() < 4 || expect_box_icon(s, box, args[3], why);
}

static bool verb_expect_no_box(Session& s, const Args&, std::string* why)
{
    return settle_without_dialog(s, why);
}

// Presses a button that closes the dialog, and waits until it has closed.
static bool verb_press(Session& s, const Args& args, std::string* why)
{
    HWND box = wait_for_dialog(s, why);
    if (!box) return false;
    HWND button = GetDlgItem(box, button_id(args[0]));
    if (!button) { *why = "the dialog has no button " + args[0]; return false; }
    PostMessageW(button, BM_CLICK, 0, 0);
    if (!wait_until(s, [&] { return !IsWindow(box) || !IsWindowVisible(box); })) {
        *why = "the dialog stayed open after " + args[0];
        return false;
    }
    return settle(s, why);
}

static bool verb_expect_dialog(Session& s, const Args& args, std::string* why)
{
    HWND box = wait_for_dialog(s, why);
    if (!box) return false;
    std::string caption;
    if (wait_until(s, [&] { return read_text(s, box, &caption) && caption == args[0]; }))
        return true;
    *why = "dialog \"" + visible(caption) + "\", expected \"" + visible(args[0]) + "\"";
    return false;
}

static HWND dialog_control(Session& s, const std::string& id, std::string* why)
{
    HWND box = wait_for_dialog(s, why);
    HWND control = box ? GetDlgItem(box, button_id(id)) : nullptr;
    if (box && !control) *why = "the dialog has no control " + id;
    return control;
}

static bool verb_dialog_set(Session& s, const Args& args, std::string* why)
{
    HWND control = dialog_control(s, args[0], why);
    if (!control) return false;
    std::wstring text = widen(args[1]);
    DWORD_PTR result;
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, s.timeout_ms, &result);
    return true;
}

// Clicks a control that leaves the dialog open (a check box, a radio button).
static bool verb_dialog_click(Session& s, const Args& args, std::string* why)
{
    HWND control = dialog_control(s, args[0], why);
    if (!control) return false;
    DWORD_PTR result;
    if (SendMessageTimeoutW(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, s.timeout_ms, &result))
        return true;
    *why = "the dialog did not answer the click";
    return false;
}

static bool verb_dialog_expect(Session& s, const Args& args, std::string* why)
{
    HWND control = dialog_control(s, args[0], why);
    if (!control) return false;
    std::string text;
    if (wait_until(s, [&] { return read_text(s, control, &text) && text == args[1]; }))
        return true;
    *why = "control " + args[0] + " shows \"" + visible(text) + "\", expected \"" +
           visible(args[1]) + "\"";
    return false;
}

static bool verb_dialog_expect_check(Session& s, const Args& args, std::string* why)
{
    HWND control = dialog_control(s, args[0], why);
    if (!control) return false;
    DWORD_PTR state = 0;
    bool same = wait_until(s, [&] {
        SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, s.timeout_ms, &state);
        return std::to_string(state) == args[1];
    });
    if (!same) *why = "control " + args[0] + " check state " + std::to_string(state);
    return same;
}

void add_box_verbs(std::vector<Verb>& verbs)
{
    verbs.insert(verbs.end(), {
        {"expect-box", 3, 4, "expect-box CAPTION TEXT BUTTONS [ICON]", verb_expect_box},
        {"expect-no-box", 0, 0, "expect-no-box", verb_expect_no_box},
        {"press", 1, 1, "press ok|cancel|yes|no|ID", verb_press},
        {"expect-dialog", 1, 1, "expect-dialog CAPTION", verb_expect_dialog},
        {"dialog-set", 2, 2, "dialog-set ID TEXT", verb_dialog_set},
        {"dialog-click", 1, 1, "dialog-click ID", verb_dialog_click},
        {"dialog-expect", 2, 2, "dialog-expect ID TEXT", verb_dialog_expect},
        {"dialog-expect-check", 2, 2, "dialog-expect-check ID 0|1", verb_dialog_expect_check},
    });
}
