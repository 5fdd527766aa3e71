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

void write_csv_header(std::FILE* out)
{
    std::fputs("file,root,re,im,error_re,error_im,key\r\n", out);
}

void write_csv_rows(std::FILE* out, const char* name, const char* key, const Workspace& w, int digits)
{
    const double* const values[] = {w.root_re, w.root_im, w.error_re, w.error_im};
    const char* utf8_name = to_utf8(name, Charset::System);
    for (int k = 0; k < w.degree; ++k) {
        put_csv_field(out, utf8_name);
        std::fprintf(out, ",%d", k + 1);
        for (const double* v : values) {
            std::fputc(',', out);
            put_number(out, v[k], digits, "");
        }
        std::fprintf(out, ",%s\r\n", key);
    }
}

// "[[re, im], ...]" for the first n entries.
static void put_pairs(std::FILE* out, const double* re, const double* im, int n, int digits)
{
    std::fputc('[', out);
    for (int k = 0; k < n; ++k) {
        std::fputs(k > 0 ? ",[" : "[", out);
        put_number(out, re[k], digits, "null");
        std::fputc(',', out);
        put_number(out, im[k], digits, "null");
        std::fputc(']', out);
    }
    std::fputc(']', out);
}

void write_json_solution(std::FILE* out, const char* name, const char* key, const Workspace& w, int digits)
{
    std::fputs("{\"file\":", out);
    put_json_string(out, to_utf8(name, Charset::System));
    std::fprintf(out, ",\"status\":0,\"key\":\"%s\",\"degree\":%d,\"roots\":", key, w.degree);
    put_pairs(out, w.root_re, w.root_im, w.degree, digits);
    std::fputs(",\"errors\":", out);
    put_pairs(out, w.error_re, w.error_im, w.degree, digits);
    std::fprintf(out, ",\"large_error\":%s}\n", w.roots_accurate ? "false" : "true");
}

void write_json_failure(std::FILE* out, const char* name, int status, const char* caption, const char* text)
{
    std::fputs("{\"file\":", out);
    put_json_string(out, to_utf8(name, Charset::System));
    std::fprintf(out, ",\"status\":%d,\"caption\":", status);
    put_json_string(out, to_utf8(caption, Charset::ShiftJis));
    std::fputs(",\"message\":", out);
    put_json_string(out, to_utf8(text, Charset::ShiftJis));
    std::fputs("}\n", out);
}
