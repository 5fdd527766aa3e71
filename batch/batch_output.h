// Where drovu-solve puts what it finds: standard output, or the file of -o,
// which is only ever replaced by a finished output; and in which format.
#pragma once

#include <cstdio>

#include "batch/batch_options.h"
#include "batch/file_system.h"
#include "batch/script_formats.h"
#include "solver/workspace.h"

struct BatchOutput {
    std::FILE* stream;
    OutputFile file;        // -o FILE; unused for standard output
    bool to_file;
    BatchFormat format;
    int digits;             // significant digits of CSV and JSON numbers
    bool headed;            // reports of several files: a line names each
    int records;            // equations written about so far
    // CSV: the radius, cluster and cluster_size columns, for the keys that
    // prove radii (simultaneous and auto), so that every row has them.
    bool radius_columns;
};

// Opens the output: standard output when path is null, else path as
// open_output_file opens it. digits is what the rounding keeps (3..7), or
// kFullDigits. headed asks for a "==> NAME <==" line before every report.
// False when the file cannot be made; nothing is left behind then.
bool open_output(const char* path, BatchFormat format, int digits, bool headed, BatchOutput* output);

// Writes one solved equation: its report (the bytes of Save Data for the
// workspace report, headed by the source's name when the output is headed,
// and separated from the previous one by an empty line), its CSV rows (the
// header line first), or its JSON line, these two from solution. False when
// the report cannot be composed, which a solved equation never gives.
bool write_solution(BatchOutput* output, const ScriptSource& source, const Workspace& report,
                    const ScriptSolution& solution);

// An equation that was not solved, with the first message it gave and the
// stable code of its failure. Only JSON has a place for it; the other
// formats leave it to standard error.
void write_failure(BatchOutput* output, const ScriptSource& source, int status, const char* error,
                   const char* caption, const char* text, const std::vector<ReaderNote>& notes);

// Finishes the output. A file output takes its place only when something
// was written about at least one equation and every write succeeded;
// otherwise the new file is removed and what was there stays as it was.
// False when a write or the replacement failed.
bool close_output(BatchOutput* output);
