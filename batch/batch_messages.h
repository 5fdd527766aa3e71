// What drovu-solve tells on standard error: every line starts with the name
// of the data file it is about, "FILE: ".
#pragma once

#include "files/data_parser.h"

// A message box of the window program, as "FILE: LABELcaption: text"; each
// further line of the text gets its own "FILE: ".
void print_box(const char* path, const char* label, const char* caption, const char* text);

// A line of the tool's own, as "FILE: text".
void print_note(const char* path, const char* text);

// What the reader passed over, as "FILE:LINE: text".
void print_reader_note(const char* path, const ReaderNote& note);
