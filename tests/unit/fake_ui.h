// A scripted stand-in for the platform: it logs what the portable code asks
// of it, one line per call ("box Error 0x10: text", "set 101 text",
// "repaint 0 21 -1 -1", ...), and answers from a script. Like Win32, setting a
// field's text notifies the main window before ui_set_text returns.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "entry/field_filter.h"
#include "platform/ui.h"
#include "solver/workspace.h"

struct FakeUi {
    std::string field[60];          // fields 101..160: Re of rows 0..29, then Im
    std::vector<std::string> log;
    void (*notify)(int control_id) = on_field_command;  // after every field write, as Win32 sends EN_CHANGE
    std::deque<int> replies;        // message box answers; OK or Yes once none is left
    std::deque<std::string> paths;  // file dialog answers; none left: cancelled
    unsigned long dialog_error = 0;
    int drive_type = kDriveFixed;
    std::uint64_t free_bytes = 1u << 30;
    bool free_known = true;  // false: the drive does not tell its free space
    bool replace_fails = false;
};
extern FakeUi fake;

void reset_fake_ui();  // empties the fake and the workspace, wires the handles
std::string& field(int control_id);
std::vector<std::string> logged(const std::string& kind);  // the log lines of one kind, in order
void type_into(int control_id, const std::string& text);   // key by key; a 16th character is refused

// A folder of one test's own, removed with its files.
struct ScratchDir {
    ScratchDir();
    ~ScratchDir();
    std::string path(const std::string& name) const;
    std::string put(const std::string& name, const std::string& bytes) const;  // the file's path
    std::string bytes(const std::string& name) const;                          // "" when there is none
    int count() const;                                                         // files in it
    std::string folder;
};
