// The solutions of drovu-solve for scripts: the numbers themselves, as CSV
// rows or as JSON Lines, in UTF-8. The values are the doubles the report's
// texts are made from (after the decimal clean-up and the rounding), printed
// so that reading them back gives the very same doubles.
#pragma once

#include <cstddef>
#include <cstdio>

#include "solver/workspace.h"

constexpr int kFullDigits = 17;  // significant digits that tell every double apart

// x with digits significant digits ("%.*g"), or with more up to 17 when
// fewer would not read back as x. False for a value that is not finite,
// which neither format writes as a number.
bool format_number(double x, int digits, char* text, std::size_t size);

// The header line "file,root,re,im,error_re,error_im,key".
void write_csv_header(std::FILE* out);

// One line per root of w: the file's name, the root's number (1..degree),
// the root and its error figure, the key used. A value that is not finite
// is an empty field. CR LF line ends.
void write_csv_rows(std::FILE* out, const char* name, const char* key, const Workspace& w, int digits);

// One line: {"file", "status": 0, "key", "degree", "roots" and "errors" as
// [re, im] pairs, "large_error"}. A value that is not finite is null.
void write_json_solution(std::FILE* out, const char* name, const char* key, const Workspace& w, int digits);

// One line for a file that was not solved: {"file", "status", "caption",
// "message"}, the message as its box showed it, in the language chosen.
void write_json_failure(std::FILE* out, const char* name, int status, const char* caption, const char* text);
