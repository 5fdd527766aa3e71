// Messages shared by Read Data and Save Data.
#include "files/file_texts.h"

#include <cstdio>

void show_dialog_error(UiHandle owner, FileText format, unsigned long code)
{
    char text[96];
    std::snprintf(text, sizeof text, pick_text(file_text(format)), code);
    show_message(owner, {text, text}, kCaptionError, kMbOk | kMbIconError);
}
