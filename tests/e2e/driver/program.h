// The program under test seen from outside: its windows, its message boxes,
// and actions sent to it from a helper thread, so that the driver stays free
// to answer a message box the action opens.
#pragma once

#include <functional>
#include <string>

#include "session.h"

// The nine commands by name ("input", "read", "setting", "solve", "save",
// "error", "about", "help", "exit"): 1..9, or 0 for an unknown name. The
// fillers "gap" and "space" are 0 and 10 of toolbar_index.
int command_number(const std::string& name);
int toolbar_index(const std::string& name);  // 0..10, or -1
extern const char* const kToolbarNames[11];

HWND find_main_window(DWORD pid);  // visible "DROVU_95" window of the process
HWND find_toolbar(HWND main);
HWND toolbar_button(const Program& p, int index);  // index 0..10
// "re"/"im" and a row 0..29; null with *why set for a bad address.
HWND field_window(const Program& p, const std::string& column, const std::string& row,
                  std::string* why);

// The first visible dialog window (#32770) of the process: a message box or
// a dialog.
HWND find_dialog(DWORD pid);

// The text of a window of the program, read by WM_GETTEXT; false when the
// program does not answer in time.
bool read_text(const Session& s, HWND window, std::string* text);

// Starts DROVU_95.EXE and waits until its main window and toolbar are up.
bool start_program(Session& s, std::string* why);
bool program_running(const Program& p);

// Runs action on a helper thread (it may block in SendMessage while the
// program shows a message box). Waits first for the previous action.
bool run_action(Session& s, std::function<void()> action, std::string* why);

// Waits until the action in flight has finished, or a dialog of the program
// is open, or the program has ended.
bool settle(Session& s, std::string* why);

// settle(), then fails when a dialog is open: every action except pressing
// a dialog's button needs the main window free.
bool settle_without_dialog(Session& s, std::string* why);
