// What drovu-solve asks of its system: the files by the names the command
// line gave (bytes on POSIX systems, UTF-8 on Windows, so that any Unicode
// name can be opened), the language and the standard streams. One
// implementation per platform.
#pragma once

#include <cstdio>
#include <string>

// The window program speaks Japanese exactly when the ANSI code page is 932;
// without --lang the tool does the same. Elsewhere there is no such page.
bool system_speaks_japanese();

// Standard input and output carry bytes as they are: every format has its
// own line ends, and data from a pipe arrives as sent (Windows would add or
// drop CRs and end the input at a Ctrl+Z byte).
void binary_standard_streams();

// The command line's arguments in the program's encoding of names. Windows
// reads its wide command line; elsewhere argv stays as it is.
char** program_arguments(int argc, char** argv);

// A name as standard error and the report's headings show it: on Windows in
// the ANSI code page of the program's other texts, elsewhere as it is. The
// buffer is reused by the next call.
const char* shown_name(const char* name);

enum class InputError { None, Missing, Unreadable };

// Opens a data file for binary reading. Null when it cannot, with *error
// Missing when nothing has that name, else Unreadable (a folder, a file
// without read permission).
std::FILE* open_input(const char* name, InputError* error);

// True when a and b name the same existing file, links followed.
bool same_file(const char* a, const char* b);

// The output named by -o, written so that it harms nothing: what is at the
// name is only ever replaced whole, by a finished output, or written into
// when it is no regular file.
struct OutputFile {
    std::FILE* stream = nullptr;
    std::string target;      // the file written in the end: the name given, its symbolic links followed
    std::string temporary;   // the new file written first; empty when the target is written directly
    bool copy_back = false;  // the target has other names (hard links): its bytes are replaced, not the file
};

// Opens the output for name. A device, a FIFO or anything else that is not
// a regular file (/dev/null, NUL, CON) is written directly. Otherwise the
// output goes to a new file made exclusively under a random name in the
// target's folder, which standard signals (SIGINT, SIGTERM, SIGHUP, Ctrl+C)
// remove. False when the output cannot be made, a read-only target
// included; nothing is left behind then.
bool open_output_file(const char* name, OutputFile* out);

// Finishes the output. With keep the new file takes the target's place,
// with the target's permission bits (its bytes are copied into a target
// with other names, so every name sees them); without, it is removed and the
// target stays as it was. False when closing or replacing failed; the
// target is then as it was.
bool close_output_file(OutputFile* out, bool keep);
