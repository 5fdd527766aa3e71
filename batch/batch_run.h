// One data file through what the window program does with it: Read Data
// fills the grid, Solve checks and solves, Save Data writes the report.
#pragma once

#include "batch/batch_messages.h"
#include "batch/batch_options.h"
#include "batch/batch_output.h"
#include "batch/console_ui.h"
#include "batch/script_formats.h"
#include "solver/workspace.h"

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

// Shared with the JSON Lines input, which solves values under the same keys.

// Each message of log as its box showed it; with key, "key KEY: " in front.
void print_messages(const char* path, const BatchKey* key, const ConsoleLog& log);
// A fresh window program in the input view, with the options' settings and key.
void start_program(const BatchOptions& options, BatchKey key, int japanese);
// The stable code of a failure of the Solve command (a refusal, or the
// solver's failure), found by its first message; "no_solution" for none.
const char* failure_code(const char* text);
// What scripts get of the solution in w, found under key, with the notes of
// the reader.
ScriptSolution script_solution(const Workspace& w, BatchKey key, const std::vector<ReaderNote>& notes = {});
