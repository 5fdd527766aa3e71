// The main window "DROVU_95": language and single-copy decisions at its
// creation, and the dispatch of the nine toolbar commands and of every
// notification of the 60 coefficient fields.
#include "shell/main_window.h"

#include "dialogs/about_box.h"
#include "dialogs/help.h"
#include "dialogs/settings_dialog.h"
#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "entry/view_commands.h"
#include "files/data_reader.h"
#include "files/report_writer.h"
#include "platform/ids.h"
#include "shell/data_area.h"
#include "shell/hover_labels.h"
#include "shell/shell_texts.h"
#include "shell/toolbar.h"
#include "solver/workspace.h"

static const char kMainClass[] = "DROVU_95";
static const char kCreationTitle[] = "Nth_Drovu";
constexpr int kShiftJisCodePage = 932;
constexpr int kTitleCapacity = 128;

bool register_main_class(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = main_window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "ICON_1");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kMainClass;
    return RegisterClassA(&wc) != 0;
}

HWND create_main_window(HINSTANCE instance)
{
    // Centred for the start-up height; the data area re-centres once it
    // knows its real height from the font.
    int x = (GetSystemMetrics(SM_CXSCREEN) - main_width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - kMainInitialHeight) / 2;
    HWND window = CreateWindowExA(0, kMainClass, kCreationTitle,
                                  WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX, x, y, main_width,
                                  kMainInitialHeight, nullptr, nullptr, instance, nullptr);
    // A second copy closes its own window inside WM_CREATE; make sure that
    // counts as a failed creation whatever the system returned.
    if (window && !IsWindow(window)) return nullptr;
    return window;
}

void choose_language()
{
    ws.ui_japanese = GetACP() == kShiftJisCodePage ? 1 : 0;
}

// Looks for a top-level window titled with a caption of ours. The caption's
// bytes are Shift-JIS whatever this copy's code page, so they are converted
// as such: an English copy must still find a Japanese copy's window.
static bool caption_window_exists(const char* caption)
{
    wchar_t title[kTitleCapacity];
    if (!MultiByteToWideChar(kShiftJisCodePage, 0, caption, -1, title, kTitleCapacity))
        return false;
    return FindWindowExW(nullptr, nullptr, nullptr, title) != nullptr;
}

void check_single_instance(HWND window)
{
    // Both captions are looked for, whatever this copy's language. This
    // window cannot find itself, since it still carries its creation title.
    const TextPair& caption = shell_text(ShellText::Caption);
    if (caption_window_exists(caption.en) || caption_window_exists(caption.ja)) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    create_data_area(window);
}

void quit_program()
{
    if (ws.display_mode == kModeSplash) release_splash_surface();
    PostQuitMessage(0);
}

static void on_create(HWND window)
{
    ws.main_window = window;
    choose_language();
    probe_os_style();
    mark_style_probed();
    check_single_instance(window);
}

static void on_toolbar_command(HWND window, int id)
{
    erase_hover_label(window);
    switch (id) {
    case IDM_INPUT:
        // Shown again by the repaint that coefficient input causes, when
        // there was no earlier input to ask about.
        ws.hover_label_state = 1;
        open_input_view(window);
        break;
    case IDM_READ: read_data_file(window); break;
    case IDM_SETTING: run_settings_dialog(window); break;
    case IDM_SOLVE: run_solution(window); break;
    case IDM_SAVE: save_results_report(window); break;
    case IDM_ERROR: show_error_figures(); break;
    case IDM_ABOUT: show_about_box(window); break;
    case IDM_HELP: open_help_document(window); break;
    case IDM_EXIT: quit_program(); break;
    }
}

// The notification code is not looked at: every notification of a field
// runs the filter and the guard, and a toolbar button's double-click arrives
// as a second command.
static void on_command(HWND window, int id)
{
    if (id >= IDC_FIELD_RE_FIRST && id <= IDC_FIELD_LAST)
        on_field_command(id);
    else if (id >= IDM_INPUT && id <= IDM_EXIT)
        on_toolbar_command(window, id);
}

static void on_set_cursor(HWND window, WPARAM wp, LPARAM lp)
{
    // The default processing sets the cursor; the hover label follows the
    // mouse over the strip, and the answer stays 0 so that a field under the
    // mouse still sets its own text cursor.
    DefWindowProcA(window, WM_SETCURSOR, wp, lp);
    track_hover_label(window);
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_CREATE: on_create(window); return 0;
    case WM_DESTROY: quit_program(); return 0;
    case WM_PAINT: paint_main_window(window); return 0;
    case WM_SETCURSOR: on_set_cursor(window, wp, lp); return 0;
    case WM_COMMAND: on_command(window, LOWORD(wp)); return 0;
    }
    return DefWindowProcA(window, message, wp, lp);
}
