// The only door from the portable code (solver/, entry/, files/) to the
// platform. The Windows shell implements it with Win32 (shell/ui_win32.cpp);
// the unit tests implement it with a scripted fake (tests/unit/fake_ui.cpp).
#pragma once

#include <cstdint>

// A window of the platform: the main window or one of the 60 fields.
using UiHandle = void*;

// Message box styles and answers, with the platform's values.
constexpr unsigned kMbOk = 0x0000;
constexpr unsigned kMbYesNo = 0x0004;
constexpr unsigned kMbIconError = 0x0010;
constexpr unsigned kMbIconQuestion = 0x0020;
constexpr unsigned kMbIconExclamation = 0x0030;
constexpr unsigned kMbSystemModal = 0x1000;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Cursor ids.
constexpr int kCursorArrow = 32512;
constexpr int kCursorWait = 32514;

// Drive kinds, as the platform reports them for a root path such as "C:\".
constexpr int kDriveUnknown = 0;
constexpr int kDriveNoRootDir = 1;
constexpr int kDriveRemovable = 2;
constexpr int kDriveFixed = 3;
constexpr int kDriveRemote = 4;
constexpr int kDriveCdrom = 5;
constexpr int kDriveRamdisk = 6;

// Reads the whole text of a window into buf (at most capacity - 1 bytes and
// a NUL); returns its length.
int ui_get_text(UiHandle window, char* buf, int capacity);

// Sets a window's text. For a field this delivers the field's change
// notification to the main window synchronously, before it returns, as
// Windows does: the field filter and the result guard re-enter through it.
void ui_set_text(UiHandle window, const char* text);

// Selects a field's whole text.
void ui_select_all(UiHandle field);

// Shows a message box and returns the button pressed (kIdOk, kIdYes, ...).
// A null owner makes it ownerless.
int ui_message_box(UiHandle owner, const char* text, const char* caption, unsigned style);

// Loads a standard cursor and makes it the current one.
void ui_set_cursor(int cursor_id);

// Invalidates, with erasing, the rectangle (left, top)-(right, bottom) of the
// window's client area and updates the window at once. A negative right or
// bottom stands for the client area's right or bottom edge.
void ui_repaint(UiHandle window, int left, int top, int right, int bottom);

// Moves every field to its home column plus dx (0 = in view).
void ui_shift_fields(int dx);

// Releases the splash picture's surface, if it still exists.
void ui_release_splash();

// Waits a moment.
void ui_sleep(unsigned milliseconds);

// The open-file and save-file dialogs. filter is a list of NUL-terminated
// pairs (description, pattern) closed by an empty string; def_ext may be
// null. The chosen path goes to file_name. Returns true when the user chose
// a file; on false, ui_file_dialog_error() is 0 for a cancel and otherwise
// the dialog's extended error code.
struct FileDialogRequest {
    UiHandle owner;
    const char* filter;
    const char* title;
    unsigned flags;
    const char* def_ext;
    char* file_name;
    int file_name_size;
};
bool ui_open_file_dialog(const FileDialogRequest& request);
bool ui_save_file_dialog(const FileDialogRequest& request);
unsigned long ui_file_dialog_error();

// The kind of drive of a root path such as "C:\" (kDrive...).
int ui_drive_type(const char* root_path);

// The bytes free to this user on the drive of root_path. Returns false when
// the platform cannot tell.
bool ui_free_bytes(const char* root_path, std::uint64_t* free_bytes);

// Replaces target by source in one step (source is removed); false on failure,
// in which case target is as it was.
bool ui_replace_file(const char* source, const char* target);
