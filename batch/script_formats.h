// The solutions of drovu-solve for scripts: the numbers themselves, as CSV
// rows or as JSON Lines, in UTF-8. They are the finder's own values, each
// rounded once to double (with --round, the rounded values the report
// shows), printed so that reading them back gives the very same doubles.
#pragma once

#include <cstddef>
#include <cstdio>
#include <vector>

#include "files/data_parser.h"

constexpr int kFullDigits = 17;  // significant digits that tell every double apart

// One solved equation as scripts get it, whatever its degree and wherever it
// came from. Entry k of each vector belongs to root k + 1.
struct ScriptSolution {
    const char* key;  // the --key name of the method used
    std::vector<double> root_re, root_im, error_re, error_im;
    bool large_error;  // the report would carry its closing note
    // Proven inclusion radii, one per root; empty when not computed. A
    // radius that is not finite proves nothing and is written as null.
    std::vector<double> radius;
    // Per root, its cluster's number (from 1) and size; empty when not computed.
    std::vector<int> cluster, cluster_size;
    std::vector<ReaderNote> notes;  // what the data-file reader passed over
};

// Where an equation came from: a data file, or a line of JSON Lines input,
// named by its "id" (raw JSON text, echoed as it stands) or else by its
// line number.
struct ScriptSource {
    const char* file;     // the data file's name as given, or null
    const char* id_json;  // JSON Lines: the line's "id", or null
    long long line;       // JSON Lines: the line's number, from 1
};

// x with digits significant digits ("%.*g"), or with more up to 17 when
// fewer would not read back as x. False for a value that is not finite,
// which neither format writes as a number.
bool format_number(double x, int digits, char* text, std::size_t size);

// The header line "file,root,re,im,error_re,error_im,key,large_error", and
// "radius,cluster,cluster_size" after it when with_radius.
void write_csv_header(std::FILE* out, bool with_radius);

// One line per root: the source, the root's number, the root and its error
// figure, the key used, large_error as 0 or 1, and with_radius the radius
// and cluster fields (empty where the solution has none). A value that is
// not finite is an empty field. CR LF line ends.
void write_csv_rows(std::FILE* out, const ScriptSource& source, const ScriptSolution& s, int digits,
                    bool with_radius);

// One line: {source, "status": 0, "key", "degree", "roots" and "errors" as
// [re, im] pairs, "large_error", "radii", "clusters" as [index, size] pairs
// and "proven" (every radius finite) when computed, "notes" when the reader
// passed something over}. A value that is not finite is null.
void write_json_solution(std::FILE* out, const ScriptSource& source, const ScriptSolution& s, int digits);

// One line for an equation that was not solved: {source, "status", "error"
// (a stable code), "caption", "message" (as its box
// showed it, in the language chosen), "notes" when there are any}.
void write_json_failure(std::FILE* out, const ScriptSource& source, int status, const char* error,
                        const char* caption, const char* text, const std::vector<ReaderNote>& notes);
