// platform/ui.h for drovu-solve. Like a Win32 edit control, a field that gets
// a text reports the change to the main window at once, so the field filter
// sees every text the data file puts into the grid, as in the window program.
#include "batch/console_ui.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

#include "entry/field_filter.h"
#include "platform/ids.h"
#include "platform/ui.h"
#include "solver/workspace.h"

// Fields 0..29 are the real parts of rows 0..29, 30..59 the imaginary parts:
// control id 101 + index, as in the window.
static char field_texts[2 * kRows][kFieldTextSize];
static char main_window_tag;
static ConsoleLog record;

void console_reset()
{
    std::memset(field_texts, 0, sizeof field_texts);
    std::memset(&record, 0, sizeof record);
    for (int r = 0; r < kRows; ++r) {
        ws.field_re[r] = field_texts[r];
        ws.field_im[r] = field_texts[kRows + r];
    }
    ws.main_window = &main_window_tag;
}

const ConsoleLog& console_log()
{
    return record;
}

static int field_index(UiHandle window)
{
    for (int i = 0; i < 2 * kRows; ++i)
        if (window == field_texts[i]) return i;
    return -1;
}

static void copy_text(char* to, int capacity, const char* from)
{
    std::snprintf(to, static_cast<std::size_t>(capacity), "%s", from);
}

int ui_get_text(UiHandle window, char* buf, int capacity)
{
    const int i = field_index(window);
    copy_text(buf, capacity, i >= 0 ? field_texts[i] : "");
    return static_cast<int>(std::strlen(buf));
}

void ui_set_text(UiHandle window, const char* text)
{
    const int i = field_index(window);
    if (i < 0) return;
    copy_text(field_texts[i], kFieldTextSize, text);
    on_field_command(IDC_FIELD_RE_FIRST + i);
}

int ui_message_box(UiHandle, const char* text, const char* caption, unsigned)
{
    if (record.message_count < kConsoleMessages) {
        ConsoleMessage& m = record.messages[record.message_count];
        copy_text(m.caption, kConsoleCaptionSize, caption);
        copy_text(m.text, kConsoleTextSize, text);
    }
    ++record.message_count;
    return kIdOk;
}

void ui_set_cursor(int) {}
void ui_select_all(UiHandle) {}
void ui_repaint(UiHandle, int, int, int, int) {}
void ui_shift_fields(int) {}
void ui_release_splash() {}
void ui_sleep(unsigned) {}

// No dialogs here: the files come from the command line.
bool ui_open_file_dialog(const FileDialogRequest&)
{
    return false;
}

bool ui_save_file_dialog(const FileDialogRequest&)
{
    return false;
}

unsigned long ui_file_dialog_error()
{
    return 0;
}

int ui_drive_type(const char*)
{
    return kDriveFixed;
}

bool ui_free_bytes(const char*, std::uint64_t*)
{
    return false;
}

#ifdef _WIN32
// rename() of the Windows runtime will not replace an existing file.
bool ui_replace_file(const char* source, const char* target)
{
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
#else
bool ui_replace_file(const char* source, const char* target)
{
    return std::rename(source, target) == 0;
}
#endif
