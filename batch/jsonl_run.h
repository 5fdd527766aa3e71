// drovu-solve --input jsonl: every equation of a JSON Lines stream, solved
// and written in the order it comes.
#pragma once

#include "batch/batch_options.h"
#include "batch/batch_output.h"

// Reads the JSON Lines at path ("-": standard input) line by line and
// solves each equation under the options' key: simultaneous at any degree,
// the window's four keys up to degree 29 with the Solve command's checks,
// auto the fifth method first and the four where it finds no solution.
// Blank lines are skipped; a line that fails is written as a failure with
// its stable code, and the stream goes on. Messages go to standard error as
// "path:LINE: caption: text". Returns the first failure's status, or
// kStatusSolved.
int solve_jsonl_stream(const char* path, const BatchOptions& options, int japanese, BatchOutput* output);
