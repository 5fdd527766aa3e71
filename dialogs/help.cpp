// Help: the user manual of the interface language, a PDF beside the program,
// opened with whatever program the system has for PDF documents.
#include "dialogs/help.h"

#include <shellapi.h>

#include "dialogs/dialog_texts.h"
#include "entry/help_paths.h"
#include "solver/texts.h"

static bool ansi_lead_byte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

// The running program's own path, so the manuals are found beside it under
// whatever name it was started. A path that does not fit the buffer is
// truncated by the system (without a NUL on older Windows): treat it as none.
void locate_help_documents()
{
    char program[1024] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    build_help_paths(length > 0 && length < sizeof program ? program : nullptr, ansi_lead_byte);
}

static bool manual_present(const char* path)
{
    if (!path[0]) return false;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

void open_help_document(HWND main_window)
{
    const char* path = help_document_path();
    if (!manual_present(path)) {
        MessageBoxA(main_window, dialog_text(DialogText::ManualMissing), pick_text(kCaptionError),
                    MB_OK | MB_ICONERROR);
        return;
    }
    // Results of 32 and below are the shell's error codes, whatever the type says.
    const INT_PTR opened = reinterpret_cast<INT_PTR>(
        ShellExecuteA(main_window, "open", path, nullptr, nullptr, SW_SHOWNORMAL));
    if (opened <= 32)
        MessageBoxA(main_window, dialog_text(DialogText::NoPdfReader), pick_text(kCaptionError),
                    MB_OK | MB_ICONERROR);
}
