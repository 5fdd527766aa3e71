// Finding the program's windows and sending it actions.
#include "program.h"

#include <cstring>

#include "text.h"

const char* const kToolbarNames[11] = {"gap",  "input", "read",  "setting", "solve", "save",
                                       "error", "about", "help", "exit",    "space"};

int toolbar_index(const std::string& name)
{
    for (int i = 0; i < 11; ++i)
        if (name == kToolbarNames[i]) return i;
    return -1;
}

int command_number(const std::string& name)
{
    int i = toolbar_index(name);
    return i >= 1 && i <= 9 ? i : 0;
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* class_name;
    HWND found;
};

static BOOL CALLBACK match_window(HWND window, LPARAM lp)
{
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    if (pid == search->pid && IsWindowVisible(window) && !wcscmp(name, search->class_name)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND find_top_level(DWORD pid, const wchar_t* class_name)
{
    WindowSearch search{pid, class_name, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND find_main_window(DWORD pid)
{
    return find_top_level(pid, L"DROVU_95");
}

HWND find_dialog(DWORD pid)
{
    return find_top_level(pid, L"#32770");
}

HWND find_toolbar(HWND main)
{
    return main ? FindWindowExW(main, nullptr, L"IconBarWindow", nullptr) : nullptr;
}

HWND toolbar_button(const Program& p, int index)
{
    HWND toolbar = find_toolbar(p.main);
    return toolbar ? GetDlgItem(toolbar, 170 + index) : nullptr;
}

HWND field_window(const Program& p, const std::string& column, const std::string& row,
                  std::string* why)
{
    char* end = nullptr;
    long r = std::strtol(row.c_str(), &end, 10);
    if (row.empty() || *end || r < 0 || r > 29 || (column != "re" && column != "im")) {
        *why = "no field '" + column + " " + row + "' (re|im and a row 0..29)";
        return nullptr;
    }
    HWND field = GetDlgItem(p.main, (column == "re" ? 101 : 131) + static_cast<int>(r));
    if (!field) *why = "the program has no field " + column + " " + row;
    return field;
}

bool read_text(const Session& s, HWND window, std::string* text)
{
    wchar_t buffer[1024] = L"";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, s.timeout_ms, &length))
        return false;
    buffer[length < 1024 ? length : 1023] = L'\0';
    *text = narrow(buffer);
    return true;
}

bool program_running(const Program& p)
{
    return p.process && WaitForSingleObject(p.process, 0) == WAIT_TIMEOUT;
}

bool start_program(Session& s, std::string* why)
{
    if (program_running(s.program)) { *why = "a program is already running"; return false; }
    end_scenario_program(s);
    std::wstring directory = s.program_path.substr(0, s.program_path.find_last_of(L'\\'));
    std::wstring command = L"\"" + s.program_path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(s.program_path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &info)) {
        *why = "cannot start " + narrow(s.program_path);
        return false;
    }
    CloseHandle(info.hThread);
    s.program.process = info.hProcess;
    s.program.pid = info.dwProcessId;
    // The toolbar comes last at start-up; once its buttons exist the
    // program is in its message loop.
    bool up = wait_for(start_timeout(s), [&] {
        s.program.main = find_main_window(s.program.pid);
        return s.program.main && toolbar_button(s.program, 10);
    });
    if (!up) {
        *why = program_running(s.program) ? "no main window with a toolbar appeared"
                                          : "the program ended at start-up";
        return false;
    }
    return settle(s, why);
}

struct ActionThread {
    std::function<void()> action;
};

static DWORD WINAPI action_thread(void* parameter)
{
    auto* job = static_cast<ActionThread*>(parameter);
    job->action();
    delete job;
    return 0;
}

bool run_action(Session& s, std::function<void()> action, std::string* why)
{
    if (!s.program.process) { *why = "no program is running"; return false; }
    if (!settle_without_dialog(s, why)) return false;
    if (s.program.pending) { *why = "the previous action has not finished"; return false; }
    auto* job = new ActionThread{std::move(action)};
    s.program.pending = CreateThread(nullptr, 0, action_thread, job, 0, nullptr);
    if (!s.program.pending) {
        delete job;
        *why = "cannot start an action thread";
        return false;
    }
    return settle(s, why);
}

static bool action_done(Program& p)
{
    if (!p.pending) return true;
    if (WaitForSingleObject(p.pending, 0) != WAIT_OBJECT_0) return false;
    CloseHandle(p.pending);
    p.pending = nullptr;
    return true;
}

bool settle(Session& s, std::string* why)
{
    Program& p = s.program;
    bool settled = wait_until(s, [&] {
        return action_done(p) || find_dialog(p.pid) || !program_running(p);
    });
    if (!settled) *why = "the program did not finish the action in time";
    return settled;
}

bool settle_without_dialog(Session& s, std::string* why)
{
    if (!settle(s, why)) return false;
    HWND dialog = find_dialog(s.program.pid);
    if (!dialog) return true;
    std::string caption, text;
    read_text(s, dialog, &caption);
    *why = "a dialog is open: \"" + visible(caption) + "\"";
    return false;
}
