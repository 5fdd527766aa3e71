// The platform services of the portable code, for Win32. Setting a field's
// text with WM_SETTEXT makes the field send its change notifications to the
// main window before the call returns; the field filter relies on that.
#define OEMRESOURCE
#include <windows.h>

#include "platform/ui.h"
#include "shell/data_area.h"

static_assert(kMbOk == MB_OK && kMbYesNo == MB_YESNO, "message box buttons");
static_assert(kMbIconError == MB_ICONERROR && kMbIconQuestion == MB_ICONQUESTION &&
                  kMbIconExclamation == MB_ICONEXCLAMATION,
              "message box icons");
static_assert(kMbSystemModal == MB_SYSTEMMODAL, "system-modal message box");
static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL && kIdYes == IDYES && kIdNo == IDNO,
              "message box answers");
static_assert(kCursorArrow == OCR_NORMAL && kCursorWait == OCR_WAIT, "cursor ids");
static_assert(kDriveUnknown == DRIVE_UNKNOWN && kDriveNoRootDir == DRIVE_NO_ROOT_DIR &&
                  kDriveRemovable == DRIVE_REMOVABLE && kDriveFixed == DRIVE_FIXED &&
                  kDriveRemote == DRIVE_REMOTE && kDriveCdrom == DRIVE_CDROM &&
                  kDriveRamdisk == DRIVE_RAMDISK,
              "drive kinds");

static HWND hwnd(UiHandle window)
{
    return static_cast<HWND>(window);
}

int ui_get_text(UiHandle window, char* buf, int capacity)
{
    if (capacity <= 0) return 0;
    buf[0] = '\0';
    LRESULT length = SendMessageA(hwnd(window), WM_GETTEXT, static_cast<WPARAM>(capacity),
                                  reinterpret_cast<LPARAM>(buf));
    if (length < 0) length = 0;
    if (length > capacity - 1) length = capacity - 1;
    buf[length] = '\0';
    return static_cast<int>(length);
}

void ui_set_text(UiHandle window, const char* text)
{
    SendMessageA(hwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void ui_select_all(UiHandle field)
{
    SendMessageA(hwnd(field), EM_SETSEL, 0, -1);
}

int ui_message_box(UiHandle owner, const char* text, const char* caption, unsigned style)
{
    return MessageBoxA(hwnd(owner), text, caption, style);
}

void ui_set_cursor(int cursor_id)
{
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(cursor_id)));
}

void ui_repaint(UiHandle window, int left, int top, int right, int bottom)
{
    RECT client{};
    GetClientRect(hwnd(window), &client);
    RECT area;
    SetRect(&area, left, top, right < 0 ? client.right : right,
            bottom < 0 ? client.bottom : bottom);
    InvalidateRect(hwnd(window), &area, TRUE);
    UpdateWindow(hwnd(window));
}

void ui_shift_fields(int dx)
{
    shift_fields(dx);
}

void ui_release_splash()
{
    release_splash_surface();
}

void ui_sleep(unsigned milliseconds)
{
    Sleep(milliseconds);
}
