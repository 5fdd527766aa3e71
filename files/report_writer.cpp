// "Save Data": the save-file dialog, the refusals, and the report written
// so that an existing file is replaced whole or not at all.
#include "files/report_writer.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "files/file_texts.h"
#include "files/report_format.h"
#include "files/temporary_file.h"
#include "solver/workspace.h"

// The strip's rectangle redrawn once the dialog is gone: that of the
// Solution button (x 112..143) with the pixel before it, not Save Data's.
constexpr int kButtonLeft = 111, kButtonRight = 143, kButtonBottom = 20;
constexpr std::uint64_t kSpaceMargin = 1000;
constexpr unsigned kBytesPerDegree = 150, kBytesBase = 1000;

int is_refused_drive(const char* root_path)
{
    switch (ui_drive_type(root_path)) {
    case kDriveRemovable:
    case kDriveFixed:
    case kDriveRamdisk:
        return 0;
    default:  // unknown, no root directory, remote, CD-ROM
        return 1;
    }
}

int has_free_space(const char* root_path, unsigned bytes)
{
    std::uint64_t free_bytes = 0;
    if (!ui_free_bytes(root_path, &free_bytes)) return 0;
    return free_bytes >= bytes + kSpaceMargin ? 1 : 0;
}

static char fold(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool has_txt_extension(const char* file_name)
{
    static const char kExtension[] = ".txt";
    std::size_t length = std::strlen(file_name);
    if (length < 4) return false;
    for (int i = 0; i < 4; ++i)
        if (fold(file_name[length - 4 + i]) != kExtension[i]) return false;
    return true;
}

bool write_report_file(const char* path)
{
    char bytes[kReportCapacity];
    const int length = compose_report(ws, bytes, kReportCapacity);
    if (length < 0) return false;

    char stem[kPathSize + 2], temporary[kPathSize + 16];
    std::snprintf(stem, sizeof stem, "%s.~", path);
    std::FILE* file = create_temporary_file(stem, temporary, sizeof temporary);
    if (!file) return false;
    bool ok = std::fwrite(bytes, 1, static_cast<std::size_t>(length), file) == static_cast<std::size_t>(length);
    // A full disk often shows only when the last buffer goes out.
    if (std::fclose(file) != 0) ok = false;
    if (ok) ok = ui_replace_file(temporary, path);
    if (!ok) std::remove(temporary);
    return ok;
}

static void refuse(UiHandle owner, FileText text, const TextPair& caption, unsigned icon)
{
    show_message(owner, file_text(text), caption, kMbOk | icon);
}

void save_results_report(UiHandle main_window)
{
    ws.file_name[0] = '\0';
    FileDialogRequest request = {main_window, kSaveFilter, pick_text(file_text(FileText::SaveTitle)),
                                 kSaveDialogFlags, "xls", ws.file_name, kPathSize};
    if (!ui_save_file_dialog(request)) {
        unsigned long code = ui_file_dialog_error();
        if (code == 0)
            ui_repaint(main_window, kButtonLeft, 0, kButtonRight, kButtonBottom);
        else
            show_dialog_error(main_window, FileText::SaveDialogError, code);
        return;
    }
    ui_repaint(main_window, kButtonLeft, 0, kButtonRight, kButtonBottom);

    char root_path[16] = {};
    for (int i = 0; i < 3 && ws.file_name[i]; ++i) root_path[i] = ws.file_name[i];
    const unsigned needed = kBytesPerDegree * static_cast<unsigned>(ws.degree) + kBytesBase;

    if (is_refused_drive(root_path))
        refuse(main_window, FileText::RemoteDisk, kCaptionWarning, kMbIconExclamation);
    else if (!has_free_space(root_path, needed))
        refuse(main_window, FileText::NoSpace, kCaptionWarning, kMbIconExclamation);
    else if (!has_txt_extension(ws.file_name))
        refuse(main_window, FileText::NotTxt, kCaptionError, kMbIconExclamation);
    else if (!write_report_file(ws.file_name))
        refuse(main_window, FileText::CannotCreate, kCaptionError, kMbIconError);
}
