// The About box. Only OK (or Enter) and the close box end it: Esc is ignored,
// so a stray key press does not dismiss it before it has been read.
#include "dialogs/about_box.h"

#include "dialogs/dialog_texts.h"
#include "solver/workspace.h"

static void on_command(HWND dialog, int id)
{
    if (id == IDOK) EndDialog(dialog, 0);
}

static INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND: on_command(dialog, LOWORD(wp)); return TRUE;
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

void show_about_box(HWND main_window)
{
    const INT_PTR result =
        DialogBoxParamA(dialog_module(), ws.ui_japanese ? "ABOUT_DLG_J" : "ABOUT_DLG",
                        main_window, about_dialog_proc, 0);
    if (result == -1) report_dialog_failure();
}
