// The number test: whether a text is a coefficient number, and its value.
// The Solve command, the field filter and the data-file reader all use it.
#pragma once

// True when the whole text is: white space (space, TAB, LF, VT, FF, CR),
// an optional sign, a mantissa of digits with at most one point and at least
// one digit, optionally "e"/"E" with an optional sign and any number of
// digits (none included) -- and the value's magnitude is at most 1e300.
// The empty text passes too. The value, correctly rounded to the nearest
// double (0 when too small for a double, 0 for a text that is not a number),
// goes to *value when value is not null.
bool number_test(const char* text, double* value);

// The correctly rounded conversion of a decimal text, the same in both
// builds (the Windows C runtime's own strtod is not correctly rounded).
double decimal_to_double(const char* text, char** end);

// The same conversion to the nearest extended real.
long double decimal_to_extended(const char* text);
