// CSV rows and JSON Lines of drovu-solve.
#include "batch/script_formats.h"

#include <cmath>
#include <cstring>

#include "batch/utf8_text.h"
#include "entry/number_test.h"

bool format_number(double x, int digits, char* text, std::size_t size)
{
    if (!std::isfinite(x)) return false;
    // A value rounded to few digits is printed with those; the rounding is
    // done in extended precision, so its double may lie next to the one the
    // short text reads as, and then more digits are needed.
    for (int p = digits; p < kFullDigits; ++p) {
        std::snprintf(text, size, "%.*g", p, x);
        if (decimal_to_double(text, nullptr) == x) return true;
    }
    std::snprintf(text, size, "%.*g", kFullDigits, x);
    return true;
}

// "name" with the escapes JSON needs; the name is UTF-8 already.
static void put_json_string(std::FILE* out, const char* utf8)
{
    std::fputc('"', out);
    for (const char* p = utf8; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\')
            std::fprintf(out, "\\%c", c);
        else if (c == '\n')
            std::fputs("\\n", out);
        else if (c < 0x20)
            std::fprintf(out, "\\u%04x", c);
        else
            std::fputc(c, out);
    }
    std::fputc('"', out);
}

// A file name as one CSV field: quoted, with its quotes doubled, when it
// holds a comma, a quote or a line break.
static void put_csv_field(std::FILE* out, const char* utf8)
{
    if (!std::strpbrk(utf8, ",\"\r\n")) {
        std::fputs(utf8, out);
        return;
    }
    std::fputc('"', out);
    for (const char* p = utf8; *p; ++p) {
        if (*p == '"') std::fputc('"', out);
        std::fputc(*p, out);
    }
    std::fputc('"', out);
}

// The number, or absent for a value that is not finite.
static void put_number(std::FILE* out, double x, int digits, const char* absent)
{
    char text[32];
    std::fputs(format_number(x, digits, text, sizeof text) ? text : absent, out);
}

// The code of a reader's note in JSON: stable words for scripts.
static const char* note_code_name(NoteCode code)
{
    static const char* const kNames[] = {"not_numbers", "joined_lines",      "single_field",   "long_field",
                                         "empty_field", "no_imaginary_part", "after_last_row", "lf_line_ends"};
    static_assert(sizeof kNames / sizeof kNames[0] == static_cast<int>(NoteCode::Count), "one name per code");
    return kNames[static_cast<int>(code)];
}

// The source's name as text: the data file's name in UTF-8, or the id's
// JSON text, or the line's number.
static void put_source_text(std::FILE* out, const ScriptSource& source, bool json)
{
    if (source.file) {
        const char* utf8 = to_utf8(source.file, Charset::System);
        if (json)
            put_json_string(out, utf8);
        else
            put_csv_field(out, utf8);
    } else if (source.id_json) {
        if (json)
            std::fputs(source.id_json, out);
        else
            put_csv_field(out, source.id_json);
    } else {
        std::fprintf(out, "%lld", source.line);
    }
}

// The first member of a JSON line: "file", "id" or "line".
static void put_json_source(std::FILE* out, const ScriptSource& source)
{
    std::fputs(source.file ? "{\"file\":" : source.id_json ? "{\"id\":" : "{\"line\":", out);
    put_source_text(out, source, true);
}

void write_csv_header(std::FILE* out, bool with_radius)
{
    std::fputs("file,root,re,im,error_re,error_im,key,large_error", out);
    std::fputs(with_radius ? ",radius,cluster,cluster_size\r\n" : "\r\n", out);
}

void write_csv_rows(std::FILE* out, const ScriptSource& source, const ScriptSolution& s, int digits,
                    bool with_radius)
{
    const std::vector<double>* const values[] = {&s.root_re, &s.root_im, &s.error_re, &s.error_im};
    for (std::size_t k = 0; k < s.root_re.size(); ++k) {
        put_source_text(out, source, false);
        std::fprintf(out, ",%zu", k + 1);
        for (const std::vector<double>* v : values) {
            std::fputc(',', out);
            put_number(out, (*v)[k], digits, "");
        }
        std::fprintf(out, ",%s,%d", s.key, s.large_error ? 1 : 0);
        if (with_radius && s.radius.empty()) {
            std::fputs(",,,", out);
        } else if (with_radius) {
            std::fputc(',', out);
            put_number(out, s.radius[k], kFullDigits, "");
            std::fprintf(out, ",%d,%d", s.cluster[k], s.cluster_size[k]);
        }
        std::fputs("\r\n", out);
    }
}

// "[[re, im], ...]".
static void put_pairs(std::FILE* out, const std::vector<double>& re, const std::vector<double>& im, int digits)
{
    std::fputc('[', out);
    for (std::size_t k = 0; k < re.size(); ++k) {
        std::fputs(k > 0 ? ",[" : "[", out);
        put_number(out, re[k], digits, "null");
        std::fputc(',', out);
        put_number(out, im[k], digits, "null");
        std::fputc(']', out);
    }
    std::fputc(']', out);
}

template <typename Value, typename Put>
static void put_array(std::FILE* out, const char* member, const std::vector<Value>& values, Put put)
{
    std::fprintf(out, ",\"%s\":[", member);
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) std::fputc(',', out);
        put(values[k]);
    }
    std::fputc(']', out);
}

static void put_notes(std::FILE* out, const std::vector<ReaderNote>& notes)
{
    if (notes.empty()) return;
    put_array(out, "notes", notes, [out](const ReaderNote& n) {
        std::fprintf(out, "{\"line\":%lld,\"code\":\"%s\"}", n.line, note_code_name(n.code));
    });
}

void write_json_solution(std::FILE* out, const ScriptSource& source, const ScriptSolution& s, int digits)
{
    put_json_source(out, source);
    std::fprintf(out, ",\"status\":0,\"key\":\"%s\",\"degree\":%zu,\"roots\":", s.key, s.root_re.size());
    put_pairs(out, s.root_re, s.root_im, digits);
    std::fputs(",\"errors\":", out);
    put_pairs(out, s.error_re, s.error_im, digits);
    std::fprintf(out, ",\"large_error\":%s", s.large_error ? "true" : "false");
    if (!s.radius.empty()) {
        put_array(out, "radii", s.radius, [out](double r) { put_number(out, r, kFullDigits, "null"); });
        std::fputs(",\"clusters\":[", out);
        for (std::size_t k = 0; k < s.cluster.size(); ++k)
            std::fprintf(out, "%s[%d,%d]", k > 0 ? "," : "", s.cluster[k], s.cluster_size[k]);
        bool proven = true;
        for (double r : s.radius) proven = proven && std::isfinite(r);
        std::fprintf(out, "],\"proven\":%s", proven ? "true" : "false");
    }
    put_notes(out, s.notes);
    std::fputs("}\n", out);
}

void write_json_failure(std::FILE* out, const ScriptSource& source, int status, const char* error,
                        const char* caption, const char* text, const std::vector<ReaderNote>& notes)
{
    put_json_source(out, source);
    std::fprintf(out, ",\"status\":%d,\"error\":\"%s\",\"caption\":", status, error);
    put_json_string(out, to_utf8(caption, Charset::ShiftJis));
    std::fputs(",\"message\":", out);
    put_json_string(out, to_utf8(text, Charset::ShiftJis));
    put_notes(out, notes);
    std::fputs("}\n", out);
}
