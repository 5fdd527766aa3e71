// TEMPORARY: stand-ins for command handlers that other parts of the program
// have not delivered yet, so the shell links and runs. Each one goes as soon
// as the real handler arrives.
#include <windows.h>

#include "dialogs/about_box.h"
#include "dialogs/help.h"
#include "dialogs/settings_dialog.h"
#include "shell/hover_labels.h"

void run_settings_dialog(HWND) {}
void show_about_box(HWND) {}
void locate_help_documents() {}
void open_help_document(HWND) {}
void track_hover_label(HWND) {}
void erase_hover_label(HWND) {}
void redraw_mode_label(HWND) {}
