// The settings dialog: rounding of the results and the key to solution. The
// settings follow every click at once; Cancel and closing put back what was
// there when the dialog opened.
#include "dialogs/settings_dialog.h"

#include "dialogs/dialog_texts.h"
#include "entry/settings_logic.h"
#include "platform/ids.h"
#include "solver/workspace.h"

// Set when the dialog ends by Cancel, Esc, Enter on Cancel or closing it.
static int settings_cancelled;

// Neither the check box nor the radio buttons check themselves: every mark
// is set here, so the controls always show the workspace.
static void enable_digits(HWND dialog, bool enabled)
{
    for (int id = IDC_DIGIT_FIRST; id <= IDC_DIGIT_LAST; ++id)
        EnableWindow(GetDlgItem(dialog, id), enabled);
}

static BOOL on_init_dialog(HWND dialog)
{
    select_digit(ws.rounding_digit);
    CheckRadioButton(dialog, IDC_DIGIT_FIRST, IDC_DIGIT_LAST, IDC_DIGIT_FIRST + ws.rounding_digit);
    CheckDlgButton(dialog, IDC_ROUND_CHECK, ws.rounding_enabled ? BST_CHECKED : BST_UNCHECKED);
    enable_digits(dialog, ws.rounding_enabled != 0);
    CheckRadioButton(dialog, IDC_METHOD_FIRST, IDC_METHOD_LAST, IDC_METHOD_FIRST + current_method());
    return TRUE;
}

// Switching rounding off brings the digit back to E-6, greyed but visible.
static void on_round_check(HWND dialog)
{
    if (ws.rounding_enabled) {
        for (int id = IDC_DIGIT_FIRST; id <= IDC_DIGIT_LAST; ++id) {
            const WPARAM mark = id == IDC_DIGIT_FIRST + kDigitDefault ? BST_CHECKED : BST_UNCHECKED;
            SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, mark, 0);
        }
    }
    const int enabled = toggle_rounding();
    CheckDlgButton(dialog, IDC_ROUND_CHECK, enabled ? BST_CHECKED : BST_UNCHECKED);
    enable_digits(dialog, enabled != 0);
}

static void on_digit(HWND dialog, int id)
{
    select_digit(id - IDC_DIGIT_FIRST);
    CheckRadioButton(dialog, IDC_DIGIT_FIRST, IDC_DIGIT_LAST, id);
}

static void on_method(HWND dialog, int id)
{
    select_method(id - IDC_METHOD_FIRST);
    CheckRadioButton(dialog, IDC_METHOD_FIRST, IDC_METHOD_LAST, id);
}

// OK takes the settings from what the controls show.
static void on_ok(HWND dialog)
{
    ws.rounding_enabled = IsDlgButtonChecked(dialog, IDC_ROUND_CHECK) == BST_CHECKED ? 1 : 0;
    for (int id = IDC_DIGIT_FIRST; id <= IDC_DIGIT_LAST; ++id)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) select_digit(id - IDC_DIGIT_FIRST);
    for (int id = IDC_METHOD_FIRST; id <= IDC_METHOD_LAST; ++id)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) select_method(id - IDC_METHOD_FIRST);
    EndDialog(dialog, IDOK);
}

static void on_cancel(HWND dialog)
{
    settings_cancelled = 1;
    EndDialog(dialog, IDCANCEL);
}

static void on_close(HWND dialog)
{
    settings_cancelled = 1;
    EndDialog(dialog, 0);
}

static void on_command(HWND dialog, int id)
{
    if (id == IDC_ROUND_CHECK)
        on_round_check(dialog);
    else if (id >= IDC_DIGIT_FIRST && id <= IDC_DIGIT_LAST)
        on_digit(dialog, id);
    else if (id >= IDC_METHOD_FIRST && id <= IDC_METHOD_LAST)
        on_method(dialog, id);
    else if (id == IDOK)
        on_ok(dialog);
    else if (id == IDCANCEL)
        on_cancel(dialog);
}

static INT_PTR CALLBACK settings_dialog_proc(HWND dialog, UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_COMMAND: on_command(dialog, LOWORD(wp)); return TRUE;
    case WM_CLOSE: on_close(dialog); return TRUE;
    }
    return FALSE;
}

void run_settings_dialog(HWND main_window)
{
    const SettingsCopy opened = keep_settings();
    settings_cancelled = 0;
    const INT_PTR result =
        DialogBoxParamA(dialog_module(), ws.ui_japanese ? "CORRECT_DLG_J" : "CORRECT_DLG",
                        main_window, settings_dialog_proc, 0);
    if (result == -1) {
        restore_settings(opened);
        report_dialog_failure();
        return;
    }
    if (settings_cancelled) restore_settings(opened);
}
