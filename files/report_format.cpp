// The report's layout. Real parts put their sign (a space or '-') in column
// 12 and imaginary parts in column 30, under the headings "Re" and "Im".
#include "files/report_format.h"

#include <cstdio>
#include <cstring>

#include "files/file_texts.h"

namespace {

constexpr int kValueWidth = 17;  // a value and its padding up to the next column

struct Out {
    char* bytes;
    int capacity;
    int length;
    bool overflow;
};

void put(Out& out, const char* text, int length)
{
    if (out.overflow || length > out.capacity - out.length) {
        out.overflow = true;
        return;
    }
    std::memcpy(out.bytes + out.length, text, static_cast<std::size_t>(length));
    out.length += length;
}

void put(Out& out, const char* text)
{
    put(out, text, static_cast<int>(std::strlen(text)));
}

void spaces(Out& out, int count)
{
    for (int i = 0; i < count; ++i) put(out, " ", 1);
}

void end_line(Out& out)
{
    put(out, "\r\n", 2);
}

// A text slot need not hold its NUL; never read past it.
int text_length(const char (&text)[kTextSize])
{
    const void* nul = std::memchr(text, '\0', kTextSize);
    return nul ? static_cast<int>(static_cast<const char*>(nul) - text) : kTextSize;
}

const char* method_text(const Workspace& w)
{
    if (w.simultaneous_iteration) return " [Solution by simultaneous iteration method]";
    if (w.param_change && w.deflation_mode) return " [Solution by parameter change + deflation method]";
    if (w.param_change) return " [Solution by parameter change (X -> 1/Y) method]";
    if (w.deflation_mode) return " [Solution by deflation method]";
    return " [Solution by standard method]";
}

// Coefficients as typed carry no sign position of their own: a space goes in
// front of a non-negative real part, and behind a negative one to keep the
// imaginary column.
void coefficient_line(Out& out, int power, const char (&re)[kTextSize], const char (&im)[kTextSize])
{
    char label[16];
    std::snprintf(label, sizeof label, "      X^%d", power);
    put(out, label);
    spaces(out, power < 10 ? 3 : 2);
    const int re_length = text_length(re);
    const bool re_negative = re[0] == '-';
    if (!re_negative) spaces(out, 1);
    put(out, re, re_length);
    spaces(out, kValueWidth - re_length);
    if (re_negative) spaces(out, 1);
    if (im[0] != '-') spaces(out, 1);
    put(out, im, text_length(im));
    end_line(out);
}

// Root and error texts begin with their own sign position.
void result_line(Out& out, int number, const char (&re)[kTextSize], const char (&im)[kTextSize])
{
    char label[16];
    std::snprintf(label, sizeof label, "      X(%d)", number);
    put(out, label);
    spaces(out, number < 10 ? 2 : 1);
    const int re_length = text_length(re);
    put(out, re, re_length);
    spaces(out, 1);
    spaces(out, kValueWidth - re_length);
    put(out, im, text_length(im));
    end_line(out);
}

void heading(Out& out, const char* name)
{
    end_line(out);
    put(out, "    ");
    put(out, name);
    end_line(out);
}

}  // namespace

int compose_report(const Workspace& w, char* bytes, int capacity)
{
    const int n = w.degree;
    if (n < 1 || n >= kRows) return -1;
    Out out = {bytes, capacity, 0, false};

    put(out, "    DROVU");
    put(out, method_text(w));
    end_line(out);

    heading(out, "COEFFICIENTS");
    put(out, "      Term  Re                Im");
    end_line(out);
    for (int j = 0; j <= n; ++j) coefficient_line(out, j, w.coef_text_re[j], w.coef_text_im[j]);

    heading(out, "SOLUTION");
    put(out, "            Re                Im");
    end_line(out);
    for (int k = 0; k < n; ++k) result_line(out, k + 1, w.root_text_re[k], w.root_text_im[k]);

    heading(out, "ERROR");
    put(out, "            Re                Im");
    end_line(out);
    for (int k = 0; k < n; ++k) result_line(out, k + 1, w.error_text_re[k], w.error_text_im[k]);

    if (!w.roots_accurate) {
        end_line(out);
        const TextPair& note = file_text(FileText::ReportNote);
        put(out, w.ui_japanese ? note.ja : note.en);
        end_line(out);
    }
    return out.overflow ? -1 : out.length;
}
