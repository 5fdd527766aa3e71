// Decimal clean-up, rounding and formatting of the shown results.
#include "entry/result_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "entry/entry_texts.h"
#include "entry/number_test.h"
#include "solver/workspace.h"

double snap_decimal(double x)
{
    if (!std::isfinite(x)) return x;
    char printed[40];
    std::snprintf(printed, sizeof printed, "%25.16E", x);
    const char* a = printed;
    while (*a == ' ') ++a;
    const char* exponent = std::strchr(a, 'E');
    if (!exponent) return x;
    // The sign comes from the text, so -0 keeps the positions of a negative.
    const bool negative = a[0] == '-';
    const char* sign = negative ? "-" : "";
    const char lead = a[negative ? 1 : 0];
    const int after_point = negative ? 3 : 2;  // where the digits after the point begin

    char b[40];
    const char* run;
    if (std::strstr(a, "9.99999")) {
        std::snprintf(b, sizeof b, "%s10.0%s", sign, exponent);
    } else if ((run = std::strstr(a, "999999")) != nullptr) {
        const int p = static_cast<int>(run - a);
        if (p == after_point) {
            std::snprintf(b, sizeof b, "%s%c.0%s", sign, lead + 1, exponent);
        } else {
            // The digit before the run is not a 9 (the run would start
            // there), so adding one never carries.
            std::snprintf(b, sizeof b, "%.*s%c%s", p - 1, a, a[p - 1] + 1, exponent);
        }
    } else if ((run = std::strstr(a, "000000")) != nullptr) {
        const int p = static_cast<int>(run - a);
        if (p == after_point)
            std::snprintf(b, sizeof b, "%s%c.0%s", sign, lead, exponent);
        else
            std::snprintf(b, sizeof b, "%.*s%s", p, a, exponent);
    } else {
        return x;
    }
    char* end = nullptr;
    const double snapped = decimal_to_double(b, &end);
    if (end != b + std::strlen(b) || !std::isfinite(snapped)) return x;
    return snapped;
}

// 10^j in extended precision by repeated squaring: exact up to 10^27, and
// few roundings beyond.
static long double ext_power_of_ten(int j)
{
    long double result = 1.0L, square = 10.0L;
    for (; j > 0; j >>= 1) {
        if (j & 1) result *= square;
        square *= square;
    }
    return result;
}

double round_significant(double x, double R)
{
    if (x == 0) return 0;
    // The scaling loops below end only for a finite x and a positive R.
    if (!std::isfinite(x) || !(R > 0) || !std::isfinite(R)) return x;
    double u = std::fabs(x);
    double result;
    if (u < R) {
        int j = 0;
        do {
            u = u * 10;
            ++j;
        } while (u < R);
        const double v = u * 0.1;
        --j;
        const double w = std::floor(v + 0.5);
        result = static_cast<double>(static_cast<long double>(w) / ext_power_of_ten(j));
    } else if (u > R) {
        int j = 0;
        do {
            u = u * 0.1;
            ++j;
        } while (u > R);
        const double w = std::floor(u + 0.5);
        result = static_cast<double>(static_cast<long double>(w) * ext_power_of_ten(j));
    } else {
        result = R;
    }
    // Near the top of the double range the rounded value may not exist.
    if (!std::isfinite(result)) return x;
    return x < 0 ? -result : result;
}

double rounding_grid()
{
    const long double unit = 10.0L * static_cast<long double>(ws.base_tolerance);
    return static_cast<double>(1.0L / (unit * static_cast<long double>(ws.rounding_scale)));
}

long double zero_threshold()
{
    return static_cast<long double>(ws.rounding_scale) * static_cast<long double>(ws.base_tolerance);
}

void format_result(double x, char* text, std::size_t size)
{
    if (size == 0) return;
    char result[40];
    if (!std::isfinite(x)) {
        std::snprintf(result, sizeof result, "%s", pick_text(entry_text(EntryText::Overflow)));
    } else if (x == 0) {
        std::snprintf(result, sizeof result, "%2d", 0);
    } else {
        char printed[32];
        std::snprintf(printed, sizeof printed, "%-15.7e", x);
        std::snprintf(result, sizeof result, "%s%s", x > 0 ? " " : "", printed);
        char* blank = std::strchr(result + 1, ' ');
        if (blank) *blank = '\0';
    }
    std::snprintf(text, size, "%s", result);
}
