// New files that nobody else can have made or named: an unfinished report
// or output is written to one of these first and put in place at the end.
#pragma once

#include <cstddef>
#include <cstdio>

// stem followed by 12 random hex digits, as a name for a new file. Another
// program cannot guess it, so it cannot plant a file or a link there
// first. False when it does not fit capacity.
bool random_temporary_name(const char* stem, char* name, std::size_t capacity);

// Creates a new file, exclusively, under a random name that begins with
// stem (a few tries, should a name be taken), opened for binary writing;
// its name goes to name. Never opens a file or a link that was there
// before. Null when no file could be made; nothing is left behind then.
std::FILE* create_temporary_file(const char* stem, char* name, std::size_t capacity);

// Copies what is left of from into to, which keeps its own identity (its
// other names, its permission bits). False when a read or write failed.
bool copy_file_bytes(std::FILE* from, std::FILE* to);
