// How a root or an error figure becomes the text of a grid field: the
// decimal clean-up, the optional rounding to significant digits, and the
// one formatter of result texts.
#pragma once

#include <cstddef>

// x with its 17-digit decimal form ("%25.16E") cleaned up: a run of six 9s
// rounds the magnitude up at the digit before the run (a leading 9 followed
// by five 9s gives 10 times the power), otherwise a run of six 0s cuts the
// digits from the run on. Any other x, and every non-finite x, is returned
// unchanged. 2.9999994 gives 3, -1.2999999 gives -1.3, 1/3 stays.
double snap_decimal(double x);

// x rounded half up to log10(R) significant digits: the magnitude is brought
// into [R/10, R] by steps of 10 (each rounded to double), rounded to an
// integer and scaled back by 10^j taken in extended precision. With R = 1e5,
// 1.23456789 gives 1.2346 and 99999.95 gives 100000. 0 gives 0; a non-finite
// x, an R that is not a positive finite number, and a result that would not
// fit a double give x unchanged.
double round_significant(double x, double R);

// The rounding derived from the user's setting (ws.rounding_scale): the grid
// R = 1 / ((10 * base_tolerance) * rounding_scale) (1e3 for E-4 ... 1e7 for
// E-8) and the threshold T = rounding_scale * base_tolerance at or below
// which a rounded part is shown as 0, both formed in extended precision.
double rounding_grid();
long double zero_threshold();

// The text of one result field, at most 15 characters: " 0" for zero,
// otherwise "%-15.7e" behind a blank for positive values, without the
// blanks of the padding (" 1.5000000e+00", "-2.5000000e-01",
// " 1.0000000e+100"). A non-finite x, which only an error figure can be,
// gives the overflow text of the interface language. text gets at most
// size - 1 bytes and a NUL.
void format_result(double x, char* text, std::size_t size);
