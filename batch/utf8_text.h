// Texts of drovu-solve in UTF-8, the encoding of CSV and JSON: file names as
// the command line gave them, and the program's messages, which are
// Shift-JIS in Japanese.
#pragma once

enum class Charset {
    System,    // the command line's file names: UTF-8 (on Windows made so from the wide command line)
    ShiftJis,  // code page 932, the program's own Japanese texts
};

// text in UTF-8, in a buffer that the next call reuses. A byte that is no
// character of the charset becomes U+FFFD, so the result is always valid
// UTF-8; a text of more than 32767 characters is cut there.
const char* to_utf8(const char* text, Charset from);
