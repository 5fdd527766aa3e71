// The texts of the dialogs and of Help, and what the dialogs share.
#pragma once

#include <windows.h>

#include <iterator>

#include "solver/texts.h"
#include "solver/workspace.h"

enum class DialogText { CannotDisplay, SystemError, ManualMissing, NoPdfReader, Count };

constexpr TextPair kDialogTexts[] = {
    {"Unable to display dialog", "ダイアログを表示できません"},
    {"System Error", "システム・エラー"},
    {"Install the readme file (DROVU_E.PDF)\nin the same directory.",
     "説明書ファイル（DROVU_J.PDF）を同じ\nフォルダーに入れてください."},
    {"Unable to open the readme file (DROVU_E.PDF)\nbecause of being NO software to read PDF "
     "documents.",
     "PDF 文書の閲覧ソフトが無いので、\n説明書（DROVU_J.PDF）を開けません."},
};
static_assert(std::size(kDialogTexts) == std::size_t(DialogText::Count), "one pair per id");

inline const char* dialog_text(DialogText id)
{
    return pick_text(kDialogTexts[static_cast<int>(id)]);
}

// The module holding the dialog templates.
inline HINSTANCE dialog_module()
{
    return ws.program_instance ? static_cast<HINSTANCE>(ws.program_instance)
                               : GetModuleHandleA(nullptr);
}

// A dialog that cannot be created is told system-modal and with no owner:
// whatever kept it from appearing may keep an owned box from appearing too.
inline void report_dialog_failure()
{
    MessageBoxA(nullptr, dialog_text(DialogText::CannotDisplay),
                dialog_text(DialogText::SystemError), MB_SYSTEMMODAL | MB_ICONERROR);
}
