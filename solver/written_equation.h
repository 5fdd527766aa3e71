// The equation as its coefficient texts write it, for the inclusion proof:
// the extended reals the texts were read as, and how far each may be off.
#pragma once

#include <vector>

#include "solver/workspace.h"

// How far the value of a decimal text may lie from the extended real it was
// read as (its correctly rounded conversion): 0 when the text's value is
// exactly that number, else a bound of the rounding.
long double decimal_reading_error(const char* text, long double value);

// The coefficients, in solver order (entry k multiplies x^(n-k)), and the
// bound of each one's distance from its texts.
struct WrittenEquation {
    std::vector<long double> re, im, err;
};

// The equation of degree w.degree that the Solve command read from the
// coefficient texts of w, as the simultaneous iteration keeps it.
WrittenEquation written_equation(const Workspace& w);
