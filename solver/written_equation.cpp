// The coefficient texts as exact decimals beside the extended reals read
// from them.
#include "solver/written_equation.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

constexpr long double kTiny = 0x1p-16000L;

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// The text as digits x 10^exponent with at most 19 significant digits (no
// trailing zeros); false for more digits or an exponent beyond any range.
bool decimal_parts(const char* p, std::uint64_t& digits, long& exponent)
{
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    if (*p == '+' || *p == '-') ++p;
    digits = 0;
    exponent = 0;
    int significant = 0;
    long zeros = 0;  // zeros held back until a non-zero digit follows
    bool point = false;
    for (; is_digit(*p) || *p == '.'; ++p) {
        if (*p == '.') {
            point = true;
            continue;
        }
        if (point) --exponent;
        if (*p == '0') {
            if (significant > 0) ++zeros;
            continue;
        }
        for (; zeros > 0; --zeros, ++significant) digits *= 10;
        if (++significant > 19) return false;
        digits = digits * 10 + static_cast<unsigned>(*p - '0');
    }
    exponent += zeros;
    if (*p == 'e' || *p == 'E') {
        ++p;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-') ++p;
        long written = 0;
        for (; is_digit(*p); ++p)
            if (written < 100000) written = written * 10 + (*p - '0');
        exponent += negative ? -written : written;
    }
    return significant <= 19 && exponent > -100000 && exponent < 100000;
}

}  // namespace

long double decimal_reading_error(const char* text, long double value)
{
    // d 10^e = (d 5^e) 2^e is an extended real when the odd part d 5^e (or
    // d / 5^-e) is a whole number of at most 64 bits and the result is a
    // normal number; a correctly rounded reading then returns it exactly.
    std::uint64_t digits;
    long exponent;
    const long double inexact = std::fabs(value) * 0x1p-63L + kTiny;
    if (!decimal_parts(text, digits, exponent)) return inexact;
    if (digits == 0) return value == 0 ? 0 : inexact;
    for (long e = exponent; e > 0; --e) {
        if (digits > UINT64_MAX / 5) return inexact;
        digits *= 5;
    }
    for (long e = exponent; e < 0; ++e) {
        if (digits % 5 != 0) return inexact;
        digits /= 5;
    }
    const long double exact = std::scalbn(static_cast<long double>(digits), static_cast<int>(exponent));
    return std::fabs(value) >= LDBL_MIN && exact == std::fabs(value) ? 0 : inexact;
}

WrittenEquation written_equation(const Workspace& w)
{
    const int n = w.degree;
    WrittenEquation equation;
    for (int k = 0; k <= n; ++k) {
        // Row n - k of the grid holds the coefficient of x^(n-k).
        const long double re = w.typed_coef_re[k], im = w.typed_coef_im[k];
        const long double err =
            decimal_reading_error(w.coef_text_re[n - k], re) + decimal_reading_error(w.coef_text_im[n - k], im);
        equation.re.push_back(re);
        equation.im.push_back(im);
        // One rounding of the sum, taken up generously.
        equation.err.push_back(err * (1 + 0x1p-60L));
    }
    return equation;
}
