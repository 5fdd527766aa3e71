// The bytes of the results report: the coefficients as typed, the roots and
// error figures as shown, the method, and the closing note. Used by Save Data
// and by the batch tool.
#pragma once

#include "solver/workspace.h"

// Enough for any report of degree 1..29 (about 4.7 KB at most).
constexpr int kReportCapacity = 8192;

// Writes the report of w (degree, the coefficient, root and error texts,
// the method flags, roots_accurate and ui_japanese) into out, CR LF line
// ends, no NUL. Returns the number of bytes, or -1 when the degree is not
// 1..29 or the report would not fit into capacity.
int compose_report(const Workspace& w, char* out, int capacity);
