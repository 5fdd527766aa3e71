// The command line of drovu-solve: the window's settings as options, with
// the window's defaults, and the data files to solve.
#pragma once

// The keys to solution in the order auto tries them: the settings dialog's
// list of methods, in its order (select_method), then simultaneous
// iteration, which only drovu-solve offers.
enum class BatchKey { Standard, Param, Deflation, ParamDeflation, Simultaneous, Auto };
constexpr int kSolvingKeys = 5;

enum class BatchLanguage { System, English, Japanese };

// What goes out per data file: the report of Save Data, or the numbers
// themselves for scripts (a line per root, or a JSON object per file).
enum class BatchFormat { Report, Csv, Json };

// Where the equations come from: coefficient data files, one equation each,
// or JSON Lines, one equation per line, from files or standard input.
enum class BatchInput { Files, Jsonl };

constexpr int kNoRounding = -1;

struct BatchOptions {
    BatchKey key;
    int rounding_digit;      // 0..4 for E-4..E-8, or kNoRounding
    BatchLanguage language;  // System: as the window program chooses
    BatchFormat format;
    const char* output;      // -o FILE; null for standard output (also for "-o -")
    bool quiet;              // no notes of what the reader passed over
    bool help;
    bool version;
    char** files;            // the data files, in the order given
    int file_count;
    BatchInput input;
    bool highest_first;      // JSON Lines arrays list the highest power first
};

enum class OptionError { None, UnknownOption, MissingValue, BadKey, BadRounding, BadLanguage, BadFormat, NoFiles, BadInput };

// Reads argv[1..argc). Options and files may come in any order; "--" ends
// the options, and "--name=value" is the same as "--name value". The files
// are gathered at the front of argv[1..] (argv is reordered, as getopt
// does), so options->files points into argv. With --help or --version no
// file is needed. On an error, *offending is the argument at fault (null for
// NoFiles). With --input jsonl no file means standard input, and the key is
// simultaneous unless --key says otherwise.
OptionError parse_options(int argc, char** argv, BatchOptions* options, const char** offending);

// "standard", "param", "deflation", "param-deflation", "simultaneous", "auto".
const char* key_name(BatchKey key);
