// "Read Data": the open-file dialog, then the file's records into the grid.
#include "files/data_reader.h"

#include <cstdio>
#include <cstring>

#include "files/data_parser.h"
#include "files/file_texts.h"
#include "solver/workspace.h"

// The Read Data button of the toolbar, redrawn once the dialog is gone.
constexpr int kButtonLeft = 47, kButtonRight = 79, kButtonBottom = 20;
constexpr int kToolbarHeight = 21;

static void show_read_error(UiHandle owner, FileText text)
{
    show_message(owner, file_text(text), kCaptionError, kMbOk | kMbIconError);
}

// Reads the chosen file whole before the grid is touched, so a file without
// a usable line leaves what the user had typed.
static int read_records(UiHandle main_window, CoefficientText records[kRows])
{
    std::FILE* file = std::fopen(ws.file_name, "rb");
    if (!file) {
        show_read_error(main_window, FileText::FileMissing);
        return -1;
    }
    ByteSource source;
    int accepted = file_byte_source(file, &source) ? parse_data_records(source, records) : 0;
    std::fclose(file);
    if (accepted == 0) show_read_error(main_window, FileText::NoData);
    return accepted;
}

// The stored coefficient texts are emptied too: the grid now holds the
// file's texts, and Input Coefficients must not bring back the old ones.
static void empty_grid(UiHandle main_window)
{
    std::memset(ws.coef_text_re, 0, sizeof ws.coef_text_re);
    std::memset(ws.coef_text_im, 0, sizeof ws.coef_text_im);
    for (int r = 0; r < kRows; ++r) ui_set_text(ws.field_re[r], "");
    for (int r = 0; r < kRows; ++r) ui_set_text(ws.field_im[r], "");
    std::memset(ws.row_labels, 0, sizeof ws.row_labels);
    for (int r = 0; r < kRows; ++r)
        std::snprintf(ws.row_labels[r], kLabelSize, "*X^%d", r);
    ui_repaint(main_window, 0, kToolbarHeight, -1, -1);
}

void read_data_file(UiHandle main_window)
{
    ws.file_name[0] = '\0';
    FileDialogRequest request = {main_window, kReadFilter, pick_text(file_text(FileText::ReadTitle)),
                                 kReadDialogFlags, nullptr, ws.file_name, kPathSize};
    if (!ui_open_file_dialog(request)) {
        unsigned long code = ui_file_dialog_error();
        if (code == 0)
            ui_repaint(main_window, kButtonLeft, 0, kButtonRight, kButtonBottom);
        else
            show_dialog_error(main_window, FileText::OpenDialogError, code);
        return;
    }
    ui_repaint(main_window, kButtonLeft, 0, kButtonRight, kButtonBottom);

    CoefficientText records[kRows];
    int accepted = read_records(main_window, records);
    if (accepted <= 0) return;

    empty_grid(main_window);
    // Through the fields, so the field filter sees every text as if typed.
    for (int m = 0; m < accepted; ++m) {
        ui_set_text(ws.field_re[m], records[m].re);
        ui_set_text(ws.field_im[m], records[m].im);
    }
}
