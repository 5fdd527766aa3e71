// Every text a user sees exists in English and Japanese; ws.ui_japanese picks
// the column. Sources are UTF-8 and compiled with -fexec-charset=CP932, so the
// Japanese literals are Shift-JIS bytes in both builds.
#pragma once

#include "solver/workspace.h"

struct TextPair {
    const char* en;
    const char* ja;
};

inline const char* pick_text(const TextPair& text)
{
    return ws.ui_japanese ? text.ja : text.en;
}

constexpr TextPair kCaptionError = {"Error", "エラー"};
constexpr TextPair kCaptionWarning = {"Warning", "警告"};
constexpr TextPair kCaptionInformation = {"Information", "お知らせ"};
constexpr TextPair kCaptionQuestion = {"Question", "質問"};

// Shows a message box in the interface language; returns the button pressed.
inline int show_message(UiHandle owner, const TextPair& text, const TextPair& caption,
                        unsigned style)
{
    return ui_message_box(owner, pick_text(text), pick_text(caption), style);
}
