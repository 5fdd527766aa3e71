// One data file through what the window program does with it: Read Data
// fills the grid, Solve checks and solves, Save Data writes the report.
#pragma once

#include "batch/batch_options.h"
#include "batch/batch_output.h"

// The exit statuses of drovu-solve, one per kind of failure.
constexpr int kStatusSolved = 0;
constexpr int kStatusUsage = 1;
constexpr int kStatusNoData = 2;      // the file cannot be read or holds no data line
constexpr int kStatusRefused = 3;     // the Solve command refused the coefficients
constexpr int kStatusNoSolution = 4;  // the solver failed under every key tried
constexpr int kStatusOutput = 5;      // the reports could not be written

// Solves the data file at path with the options' key and rounding, in the
// language japanese (0 or 1) selects, writes its report to output and its
// messages to standard error ("path: caption: text"). Returns its status.
int solve_data_file(const char* path, const BatchOptions& options, int japanese, BatchOutput* output);
