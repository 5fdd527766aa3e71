// A coefficient data file read for drovu-solve exactly as Read Data reads
// it, from a file, a pipe or standard input, with what the reader passed
// over.
#pragma once

#include <vector>

#include "batch/batch_output.h"
#include "files/data_parser.h"

struct DataInput {
    int count;  // records accepted, 0..kRows
    CoefficientText records[kRows];
    std::vector<ReaderNote> notes;
};

// Reads the data file at path ("-": standard input) into input. The notes
// go to standard error unless quiet; when no record was accepted, the
// message of Read Data (or "cannot be read") too, and the failure to output.
// Returns input->count.
int read_data_input(const char* path, bool quiet, DataInput* input, BatchOutput* output);
