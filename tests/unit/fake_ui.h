// A scripted stand-in for the platform: records what the portable code asks
// of it and answers from a script. Like Win32, setting a field's text delivers
// the field's change notification synchronously (through field_notification).
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/ui.h"

struct FakeMessageBox {
    UiHandle owner;
    std::string text;
    std::string caption;
    unsigned style;
};

struct FakeRepaint {
    UiHandle window;
    int left, top, right, bottom;
};

struct FakeUi {
    // 60 fields (index 0..29 Re, 30..59 Im; control id 101 + index) and the
    // main window; reset() puts their handles into ws.field_re/field_im and
    // ws.main_window.
    std::string field_text[60];
    int main_window_tag = 0;

    std::vector<FakeMessageBox> message_boxes;
    std::deque<int> message_replies;  // answers in turn; kIdOk/kIdYes when empty
    std::vector<int> cursors;
    std::vector<FakeRepaint> repaints;
    std::vector<int> field_shifts;
    int splash_releases = 0;
    std::vector<unsigned> sleeps;
    std::vector<int> select_alls;  // control ids
    int set_text_calls = 0;

    // Called with the control id after every ui_set_text on a field, before
    // ui_set_text returns. Null: no notification.
    void (*field_notification)(int control_id) = nullptr;

    // File dialogs: the next answer. An empty path means cancel (error 0) or,
    // with dialog_error set, a failure with that code.
    std::deque<std::string> dialog_paths;
    unsigned long dialog_error = 0;
    std::vector<FileDialogRequest> dialog_requests;
    std::vector<std::string> dialog_titles, dialog_filters, dialog_def_exts;

    int drive_type = kDriveFixed;
    std::vector<std::string> drive_queries;
    std::uint64_t free_bytes = 1u << 30;
    bool free_bytes_known = true;
    bool replace_fails = false;
};

extern FakeUi fake;

// Empties the fake and the workspace and wires the field handles.
void reset_fake_ui();

// The control id of a field handle, or 0 for anything else.
int fake_field_id(UiHandle window);

// The text of field 101 + index as the fake holds it.
const std::string& fake_field(int control_id);

// Types text into a field one character at a time, as a user would: each
// keystroke appends to the field's current text and notifies.
void fake_type(int control_id, const std::string& text);
