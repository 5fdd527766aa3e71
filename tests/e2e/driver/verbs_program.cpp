// Verbs that start, command and end the program, and set up its world.
#include <cstdlib>

#include "program.h"
#include "text.h"

static bool verb_start(Session& s, const Args&, std::string* why)
{
    return start_program(s, why);
}

// A copy started beside a running one must end by itself, with exit code 0,
// without ever showing a window, and leave the first copy as it was.
static bool verb_start_second_copy(Session& s, const Args&, std::string* why)
{
    if (!program_running(s.program)) { *why = "no first copy is running"; return false; }
    std::string caption_before;
    read_text(s, s.program.main, &caption_before);
    std::wstring command = L"\"" + s.program_path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(s.program_path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        *why = "cannot start a second copy";
        return false;
    }
    CloseHandle(info.hThread);
    bool showed_window = false, showed_dialog = false;
    bool ended = wait_for(start_timeout(s), [&] {
        showed_window = showed_window || find_main_window(info.dwProcessId);
        showed_dialog = showed_dialog || find_dialog(info.dwProcessId);
        return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
    });
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    if (!ended) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    std::string caption_after;
    read_text(s, s.program.main, &caption_after);
    if (!ended) *why = "the second copy did not end";
    else if (showed_window || showed_dialog) *why = "the second copy showed a window";
    else if (code != 0) *why = "the second copy ended with code " + std::to_string(code);
    else if (!program_running(s.program)) *why = "the first copy ended";
    else if (caption_after != caption_before) *why = "the first copy's caption changed";
    else return true;
    return false;
}

// Takes over a copy that someone else started (for a copy in another code
// page: a child always inherits the driver's).
static bool verb_attach(Session& s, const Args&, std::string* why)
{
    HWND main = nullptr;
    wait_for(start_timeout(s), [&] {
        main = FindWindowW(L"DROVU_95", nullptr);
        return main && IsWindowVisible(main) && find_toolbar(main);
    });
    if (!main) { *why = "no running copy of the program found"; return false; }
    GetWindowThreadProcessId(main, &s.program.pid);
    s.program.process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, s.program.pid);
    s.program.main = main;
    if (!s.program.process) { *why = "cannot open the running copy"; return false; }
    return settle(s, why);
}

static bool verb_command(Session& s, const Args& args, std::string* why)
{
    int number = command_number(args[0]);
    if (!number) number = std::atoi(args[0].c_str()) - 160;
    if (number <= -160) { *why = "unknown command " + args[0]; return false; }
    HWND main = s.program.main;
    WPARAM wp = static_cast<WPARAM>(160 + number);
    return run_action(s, [=] { SendMessageW(main, WM_COMMAND, wp, 0); }, why);
}


static HWND enabled_button(Session& s, const std::string& name, std::string* why)
{
    int index = toolbar_index(name);
    HWND button = index >= 0 ? toolbar_button(s.program, index) : nullptr;
    if (!button) *why = "no toolbar button " + name;
    else if (!settle_without_dialog(s, why)) button = nullptr;
    else if (!IsWindowEnabled(button)) { *why = "button " + name + " is disabled"; button = nullptr; }
    return button;
}

// The mouse button goes down on a toolbar button and stays down.
static bool verb_hold(Session& s, const Args& args, std::string* why)
{
    HWND button = enabled_button(s, args[0], why);
    return button && run_action(s, [=] { SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0); }, why);
}

// ... and comes up again over it: the click is complete.
static bool verb_release(Session& s, const Args& args, std::string* why)
{
    HWND button = enabled_button(s, args[0], why);
    return button && run_action(s, [=] { SendMessageW(button, WM_LBUTTONUP, 0, 0); }, why);
}

// A click on a toolbar button, as the mouse gives it; a disabled button
// cannot be clicked.
static bool verb_click(Session& s, const Args& args, std::string* why)
{
    HWND button = enabled_button(s, args[0], why);
    return button && run_action(s, [=] { SendMessageW(button, BM_CLICK, 0, 0); }, why);
}

// Two clicks in quick succession: the second press arrives as a double-click.
static bool verb_double_click(Session& s, const Args& args, std::string* why)
{
    HWND button = enabled_button(s, args[0], why);
    return button && run_action(s, [=] {
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(button, WM_LBUTTONUP, 0, 0);
        SendMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
        SendMessageW(button, WM_LBUTTONUP, 0, 0);
    }, why);
}

// Closing by the system menu (or Alt+F4).
static bool verb_close(Session& s, const Args&, std::string* why)
{
    HWND main = s.program.main;
    return run_action(s, [=] { SendMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }, why);
}

static bool verb_expect_exit(Session& s, const Args& args, std::string* why)
{
    if (!s.program.process) { *why = "no program was started"; return false; }
    if (!wait_until(s, [&] { return !program_running(s.program); })) {
        *why = "the program is still running";
        return false;
    }
    DWORD code = 0;
    GetExitCodeProcess(s.program.process, &code);
    if (std::to_string(code) == args[0]) return true;
    *why = "exit code " + std::to_string(code);
    return false;
}

static bool verb_timeout(Session& s, const Args& args, std::string* why)
{
    double seconds = std::atof(args[0].c_str());
    if (seconds <= 0) { *why = "bad timeout " + args[0]; return false; }
    s.timeout_ms = static_cast<DWORD>(seconds * 1000);
    return true;
}

// Asks the script that runs the driver for a screenshot and waits until it
// has been taken.
static bool verb_snapshot(Session& s, const Args& args, std::string* why)
{
    if (s.snaps.empty()) return true;  // screenshots not asked for in this run
    if (!settle(s, why)) return false;
    std::wstring done = widen(s.snaps + "\\" + args[0] + ".done");
    log_line(s, "SNAP " + args[0]);
    if (wait_until(s, [&] { return GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES; }))
        return true;
    *why = "no screenshot was taken";
    return false;
}

void add_program_verbs(std::vector<Verb>& verbs)
{
    verbs.insert(verbs.end(), {
        {"start", 0, 0, "start", verb_start},
        {"start-second-copy", 0, 0, "start-second-copy", verb_start_second_copy},
        {"attach", 0, 0, "attach", verb_attach},
        {"command", 1, 1, "command NAME|ID", verb_command},
        {"click", 1, 1, "click BUTTON", verb_click},
        {"double-click", 1, 1, "double-click BUTTON", verb_double_click},
        {"hold", 1, 1, "hold BUTTON", verb_hold},
        {"release", 1, 1, "release BUTTON", verb_release},
        {"close", 0, 0, "close", verb_close},
        {"expect-exit", 1, 1, "expect-exit CODE", verb_expect_exit},
        {"timeout", 1, 1, "timeout SECONDS", verb_timeout},
        {"snapshot", 1, 1, "snapshot NAME", verb_snapshot},
    });
}
