// Equations as JSON Lines, the engine's own door: one object per line,
// {"coefficients": [c0, c1, ..., cn], "id": ...}, each coefficient a number
// or a pair [re, im], read strictly and at full precision.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Why a line gave no equation. The codes are stable: scripts test them.
enum class JsonlError {
    None,
    BadJson,         // not JSON (invalid UTF-8 and nesting beyond kJsonDepth included)
    NoCoefficients,  // not an object with a non-empty "coefficients" array
    NotANumber,      // a coefficient neither a finite number nor a pair of them
    OutOfRange,      // a number beyond the extended range, or rounded to 0 from non-zero digits
    ZeroPolynomial,  // every coefficient zero
    DegreeZero,      // only the constant term non-zero: no root to find
    Count
};

constexpr int kJsonDepth = 64;  // arrays and objects nested deeper are refused

// "bad_json", "no_coefficients", "not_a_number", "out_of_range",
// "zero_polynomial", "degree_zero"; "" for None.
const char* jsonl_error_code(JsonlError error);

struct JsonlEquation {
    // re[k] + i im[k] multiplies X^k: the constant term first, whatever
    // order the line gave.
    std::vector<long double> re, im;
    // How far each coefficient's texts may lie from re + i im (0 where they
    // are those very numbers), for proofs about the equation as written.
    std::vector<long double> err;
    // The id's JSON text exactly as the line has it; empty when there is none.
    std::string id;
};

// Parses one line (its line end removed). highest_first: the array starts
// with the highest power, as numpy.roots takes it. Numbers are rounded once,
// from their text, to the nearest extended real; NaN, Infinity and
// -Infinity are read as coefficients that are not numbers. On an error the
// id is still set when it was read, so the failure can be told by it. Of
// several errors the line's syntax comes first, then the first value found
// wrong.
JsonlError parse_equation(const char* text, std::size_t length, bool highest_first, JsonlEquation* equation);

// The lines of a stream as they come: no seeking, so pipes work; each line
// is handed on as soon as it is complete, and no more memory is held than
// the longest line takes. A UTF-8 byte order mark at the start is dropped.
class LineReader {
public:
    // fd: an open descriptor in binary mode.
    explicit LineReader(int fd) : fd_(fd) {}
    // The next line without its LF (nor a CR before it); false at the end of
    // the stream or on a read error (then failed() is true).
    bool next(std::string* line);
    bool failed() const { return failed_; }

private:
    int fd_;
    char buffer_[1 << 16];
    std::size_t begin_ = 0, end_ = 0;
    bool first_ = true, ended_ = false, failed_ = false;
};
