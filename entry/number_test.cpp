// The number test and the one decimal conversion of the program.
#include "entry/number_test.h"

#include <cmath>
#include <cstdlib>

double decimal_to_double(const char* text, char** end)
{
#ifdef __MINGW32__
    return __mingw_strtod(text, end);
#else
    return std::strtod(text, end);
#endif
}

long double decimal_to_extended(const char* text)
{
#ifdef __MINGW32__
    return __mingw_strtold(text, nullptr);
#else
    return std::strtold(text, nullptr);
#endif
}

static bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool number_test(const char* text, double* value)
{
    if (value) *value = 0.0;
    const char* p = text;
    while (is_space(*p)) ++p;
    const char* number_start = p;
    if (*p == '+' || *p == '-') ++p;

    int digits = 0, points = 0;
    for (; is_digit(*p) || *p == '.'; ++p) {
        if (*p == '.') {
            if (++points > 1) return false;
        } else {
            ++digits;
        }
    }
    if (digits == 0) return *text == '\0';  // the empty text passes, blanks do not

    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        while (is_digit(*p)) ++p;
    }
    if (*p != '\0') return false;

    // The conversion stops in front of an exponent mark without digits, which
    // so counts as exponent 0.
    double v = decimal_to_double(number_start, nullptr);
    if (!(std::fabs(v) <= 1e300)) return false;
    if (value) *value = v;
    return true;
}
