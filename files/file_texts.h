// Every text of Read Data and Save Data, in English and Japanese, and the
// set-up of their file dialogs.
#pragma once

#include "solver/texts.h"

enum class FileText {
    ReadTitle,
    OpenDialogError,
    FileMissing,
    NoData,
    SaveTitle,
    SaveDialogError,
    RemoteDisk,
    NoSpace,
    NotTxt,
    CannotCreate,
    ReportNote,
    Count
};

constexpr TextPair kFileTexts[] = {
    {"Select a file to read", "読み込むファイル名の選択"},
    {"GetOpenFileName error 0x%lx", "GetOpenFileName エラー 0x%lx"},
    {"The file does not exist.", "ファイルが存在しません."},
    {"NO (proper) data in the file.\nNot existing the imaginary part?",
     "ファイルは(適切な)データを含んでいません.\n虚数部が存在しないのでは？"},
    {"Assign a file to save", "保存するファイル名の選択"},
    {"GetSaveFileName error 0x%lx", "GetSaveFileName エラー 0x%lx"},
    {"Unable to save to the remote disk.", "リモート・ディスクへはセーブできません."},
    {"Not enough free diskspace.", "ディスクの空容量が不足です."},
    {"Assign a file with TXT extension.", "ファイルは拡張子 TXT を持つ必要があります."},
    {"Unable to create an assigned file to save data.", "データ保存用ファイルを作成できません."},
    {"Note: SOLUTION may not be proper, because of large ERROR(s).",
     "注: 解の誤差が大きいので、正しくない解と思われます."},
};
static_assert(sizeof kFileTexts / sizeof kFileTexts[0] == static_cast<int>(FileText::Count),
              "one pair per text");

inline const TextPair& file_text(FileText id)
{
    return kFileTexts[static_cast<int>(id)];
}

// The file dialogs' filters: one entry each, the same in both languages.
constexpr char kReadFilter[] = "Tab/Comma/Space Texts (*.txt)\0*.txt\0";
constexpr char kSaveFilter[] = "Texts (*.txt)\0*.txt\0";

// Dialog flags, with the platform's values: the path must exist and the
// read-only box is hidden; Save asks before overwriting. Read does not insist
// that the file exists, so a mistyped name gets the program's own message.
constexpr unsigned kReadDialogFlags = 0x804;
constexpr unsigned kSaveDialogFlags = 0x806;

// Reports a file dialog's extended error code e.
void show_dialog_error(UiHandle owner, FileText format, unsigned long code);
