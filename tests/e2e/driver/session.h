// What one run of the driver knows: where the program is, the program under
// test with the action in flight, and the settings a scenario may change.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

struct Program {
    HANDLE process = nullptr;  // null when no program runs
    DWORD pid = 0;
    HWND main = nullptr;
    HANDLE pending = nullptr;  // the thread still sending an action, if any
};

struct RegistryBackup {
    std::string key, value;
    bool existed;
    DWORD type;
    std::vector<BYTE> data;
};

struct Session {
    std::wstring program_path;  // DROVU_95.EXE, as a Windows path
    std::string scratch;        // scratch folder for files, as a Windows path
    std::string snaps;          // where snapshot requests are acknowledged
    FILE* log = nullptr;
    DWORD timeout_ms = 10000;   // how long a wait or an expectation may take
    Program program;
    std::vector<RegistryBackup> registry;  // restored when the scenario ends
};

// Writes one line to the log at once: the test script polls the file.
void log_line(Session& s, const std::string& line);

// Polls check() until it is true or timeout_ms have passed.
template <class Check>
bool wait_for(DWORD timeout_ms, Check check)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (check()) return true;
        if (GetTickCount() - start > timeout_ms) return check();
        Sleep(20);
    }
}

// Polls check() until it is true or the session's timeout has passed.
template <class Check>
bool wait_until(const Session& s, Check check)
{
    return wait_for(s.timeout_ms, check);
}

// Starting a process under Wine can take a while on a busy machine, the very
// first one in a prefix above all.
inline DWORD start_timeout(const Session& s)
{
    return s.timeout_ms > 30000 ? s.timeout_ms : 30000;
}

// A scenario step: arguments in, false with the reason in *why on failure.
using Args = std::vector<std::string>;
struct Verb {
    const char* name;
    int min_args;
    int max_args;  // -1: any number
    const char* usage;
    bool (*run)(Session& s, const Args& args, std::string* why);
};

void add_program_verbs(std::vector<Verb>& verbs);
void add_window_verbs(std::vector<Verb>& verbs);
void add_box_verbs(std::vector<Verb>& verbs);
void add_screen_verbs(std::vector<Verb>& verbs);
void add_world_verbs(std::vector<Verb>& verbs);
void add_dialog_verbs(std::vector<Verb>& verbs);
void add_label_verbs(std::vector<Verb>& verbs);
void restore_registry(Session& s);

// Ends the program under test (if any), the action in flight, and undoes the
// scenario's registry changes.
void end_scenario(Session& s);
// Ends the program under test and the action in flight only.
void end_scenario_program(Session& s);
