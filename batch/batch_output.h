// Where drovu-solve puts its reports: standard output, or a file that is
// written beside its place first and put there in one step at the end.
#pragma once

#include <cstdio>

constexpr int kOutputPathSize = 1024;

struct BatchOutput {
    std::FILE* stream;
    const char* path;                       // null for standard output
    char temporary[kOutputPathSize + 8];    // the file being written for path
    bool headed;                            // several files: a line names each report
    int reports;                            // reports written so far
    bool write_failed;
};

// Opens the output: standard output when path is null, else a new file
// beside path. headed asks for a "==> NAME <==" line before every report.
// False when the file cannot be created; nothing is left behind then.
bool open_output(const char* path, bool headed, BatchOutput* output);

// Writes one report (the bytes of Save Data), headed by the data file's name
// when the output is headed, and separated from the previous one by an
// empty line.
void write_report(BatchOutput* output, const char* name, const char* bytes, int length);

// Finishes the output. A file output replaces path only when at least one
// report was written and every write succeeded; otherwise the new file is
// removed and path stays as it was. False when a write or the replacement
// failed.
bool close_output(BatchOutput* output);
