// The user manuals beside the program, opened by Help.
#pragma once

#include <windows.h>

void locate_help_documents();
void open_help_document(HWND main_window);
