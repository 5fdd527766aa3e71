// What a picture cannot show, read from the running program for the scenario
// scripts: one request a line on standard input (words separated by tabs),
// one answer a line on standard output.
//   where ID          screen centre of control ID of the open dialog, the main
//                     window or the toolbar: "X Y", or "none"
//   text ID           the text of that control, or "none"
//   click ID [2]      presses toolbar button ID as the mouse does (2: twice, the
//                     second press a double-click) from a thread of its own,
//                     and answers once the command has run or opened a box
//   box               caption, text and buttons of the open dialog or message
//                     box, tab-separated; empty when none is open
//   poke              tells the program of the mouse as a move does, and
//                     answers once it has followed
//   reg KEY VALUE [DATA]  sets (or without DATA deletes) a string value under
//                     HKEY_LOCAL_MACHINE: "ok", a tab and the value it had if any
//   hold [PATH]       keeps the file open without sharing, so that the
//                     program cannot replace it (without PATH: lets it go)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

static const DWORD kTimeoutMs = 10000;

static std::wstring widen(const std::string& s)
{
    std::wstring out(s.size(), L'\0');
    out.resize(MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), &out[0], (int)s.size()));
    return out;
}

// UTF-8, with newline, return, tab and backslash escaped as in C unless raw.
static std::string utf8(const std::wstring& w, bool raw = false)
{
    std::string s(w.size() * 3, '\0'), out;
    s.resize(WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), &s[0], (int)s.size(), nullptr, nullptr));
    for (char c : s) {
        const char* e = c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : c == '\\' ? "\\\\" : nullptr;
        e && !raw ? out += e : out += c;
    }
    return out;
}

static HWND open_dialog()
{
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32770", nullptr));)
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

static HWND control(int id)
{
    HWND main = FindWindowW(L"DROVU_95", nullptr), found = GetDlgItem(open_dialog(), id);
    if (!found) found = GetDlgItem(main, id);
    return found ? found : GetDlgItem(FindWindowExW(main, nullptr, L"IconBarWindow", nullptr), id);
}

static std::wstring text_of(HWND window)
{
    wchar_t buffer[1024] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, (LPARAM)buffer, SMTO_ABORTIFHUNG, kTimeoutMs, &length);
    return std::wstring(buffer, length < 1024 ? length : 1023);
}

static std::string box()
{
    HWND dialog = open_dialog();
    std::wstring text, buttons, kind(16, L'\0');
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetClassNameW(c, &kind[0], 16) && !lstrcmpiW(kind.c_str(), L"Static") && !text_of(c).empty())
            text += (text.empty() ? L"" : L"\n") + text_of(c);
    const wchar_t* names[] = {L"", L"ok", L"cancel", L"abort", L"retry", L"ignore", L"yes", L"no"};
    for (int id = 1; id <= 7; ++id)
        if (IsWindowVisible(GetDlgItem(dialog, id))) buttons += (buttons.empty() ? L"" : L"-") + std::wstring(names[id]);
    return dialog ? utf8(text_of(dialog)) + "\t" + utf8(text) + "\t" + utf8(buttons) : "";
}

static std::string poke()
{
    HWND main = FindWindowW(L"DROVU_95", nullptr);
    DWORD_PTR result;
    return SendMessageTimeoutW(main, WM_SETCURSOR, (WPARAM)main, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
                               SMTO_ABORTIFHUNG, kTimeoutMs, &result) ? "ok" : "the program did not follow";
}

static std::string reg(const std::vector<std::string>& a)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, widen(a[1]).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        return "cannot open " + a[1];
    const std::wstring value = widen(a[2]), data = a.size() > 3 ? widen(a[3]) : L"";
    wchar_t was[1024] = L"";
    DWORD size = sizeof was - sizeof *was;
    const bool existed = !RegQueryValueExW(key, value.c_str(), nullptr, nullptr, (BYTE*)was, &size);
    if (a.size() > 3) RegSetValueExW(key, value.c_str(), 0, REG_SZ, (const BYTE*)data.c_str(), (data.size() + 1) * 2);
    else RegDeleteValueW(key, value.c_str());
    RegCloseKey(key);
    return existed ? "ok\t" + utf8(was, true) : "ok";
}

// The press in flight: it may wait in a box the command opened until the
// scenario answers it, and the next press waits for it.
static HANDLE pressing = nullptr;
static bool twice;

static DWORD WINAPI press(void* button)
{
    const UINT messages[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    for (int i = 0; i < (twice ? 4 : 2); ++i) SendMessageW((HWND)button, messages[i], i % 2 ? 0 : MK_LBUTTON, 0);
    return 0;
}

static std::string click(HWND button, bool double_click)
{
    if (pressing && WaitForSingleObject(pressing, kTimeoutMs) != WAIT_OBJECT_0) return "the last command goes on";
    if (!IsWindowEnabled(button)) return "the button is disabled";
    twice = double_click;
    pressing = CreateThread(nullptr, 0, press, button, 0, nullptr);
    for (DWORD start = GetTickCount(); WaitForSingleObject(pressing, 20) != WAIT_OBJECT_0 && !open_dialog();)
        if (GetTickCount() - start > kTimeoutMs) return "the command did not end";
    return "ok";
}

static HANDLE held = nullptr;

static std::string hold(const std::vector<std::string>& a)
{
    if (held && held != INVALID_HANDLE_VALUE) CloseHandle(held);
    held = a.size() < 2 ? nullptr : CreateFileW(widen(a[1]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    return held != INVALID_HANDLE_VALUE ? "ok" : "cannot open " + a[1];
}

static std::string answer(const std::vector<std::string>& a)
{
    HWND c = a.size() > 1 && a[0] != "reg" && a[0] != "hold" ? control(atoi(a[1].c_str())) : nullptr;
    RECT r{};
    if (a[0] == "where" && c && GetWindowRect(c, &r))
        return std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2);
    if (a[0] == "text" && c) return utf8(text_of(c));
    if (a[0] == "click" && c) return click(c, a.size() > 2);
    if (a[0] == "box") return box();
    if (a[0] == "poke") return poke();
    if (a[0] == "reg" && a.size() >= 3) return reg(a);
    if (a[0] == "hold") return hold(a);
    return c || a.size() < 2 ? "unknown request " + a[0] : "none";
}

int main()
{
    for (char line[4096]; std::fgets(line, sizeof line, stdin);) {
        std::vector<std::string> words(1);
        for (char* p = line; *p && *p != '\n' && *p != '\r'; ++p)
            *p == '\t' ? words.emplace_back() : words.back() += *p;
        std::printf("%s\n", answer(words).c_str());
        std::fflush(stdout);
    }
}
