// The coefficient data file format: one coefficient per line, constant term
// first, real and imaginary part separated by spaces, one comma or one TAB,
// CR LF line ends. Turns a file's bytes into the texts of up to 30 rows.
// Used by the Read Data command and by the batch tool.
#pragma once

#include <cstddef>
#include <cstdio>

#include "solver/workspace.h"

// The bytes of one data file. read copies up to count bytes starting at
// offset pos (0 <= pos < size) into buf and returns how many it copied;
// fewer than asked only at the end of the data (or when the file has shrunk).
struct ByteSource {
    long long size;
    int (*read)(void* context, long long pos, char* buf, int count);
    void* context;
};

// A source over bytes in memory (they must outlive the source).
ByteSource memory_byte_source(const char* bytes, std::size_t size);

// A source over a file opened for binary reading; its size is taken by
// seeking to the end. False when the file cannot be measured.
bool file_byte_source(std::FILE* file, ByteSource* source);

// One accepted line: the texts of its real and imaginary part as they go into
// the grid: leading white space taken off, then fitted to 15 bytes, by a cut
// where that keeps the value, else as the value in exponent form.
struct CoefficientText {
    char re[kFieldTextSize];
    char im[kFieldTextSize];
};

// What the reader passed over or where it stopped, for drovu-solve to tell;
// the window says nothing of it. Line numbers count from 1.
enum class NoteCode {
    NotNumbers,       // a line of two fields that are not both numbers
    JoinedLines,      // a single field: read together with the next line
    SingleField,      // a single field at the end of the file
    LongField,        // a field over 255 bytes ended the reading
    EmptyField,       // a line starting with TAB or comma ended the reading
    NoImaginaryPart,  // a separator and nothing after it ended the reading
    AfterLastRow,     // data after the 30th record, not read
    LfLineEnds,       // the file's lines end with LF alone: no record
    Count
};

struct ReaderNote {
    long long line;
    NoteCode code;
};

// Where the notes of a reading go, one call per note, in the file's order.
struct NoteSink {
    void (*add)(void* context, const ReaderNote& note);
    void* context;
};

// Reads records from the start of source until 30 are accepted, the data
// ends, or a line ends the reading (an empty or overlong field). Line m of
// the accepted ones goes to records[m]; lines that do not hold two numbers
// are passed over. A UTF-8 byte-order mark at the start is passed over.
// Each line passed over, the line that ended the reading and data after the
// 30th record are told to notes (when not null); a file whose first line
// ends with LF alone gets that one note instead. Returns the number
// accepted, 0..kRows. Never touches a byte at or after source.size.
int parse_data_records(const ByteSource& source, CoefficientText records[kRows], const NoteSink* notes = nullptr);
