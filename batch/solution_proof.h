// Proven inclusion disks for a solution that scripts get.
#pragma once

#include <vector>

#include "batch/script_formats.h"
#include "solver/written_equation.h"

// Fills the radii and clusters of s for its roots as written (the doubles
// in s), on the equation as written: every root of it lies in a disk, and a
// cluster of m overlapping disks holds exactly m roots. Leaves them empty
// when the equation's degree is not the number of roots.
void prove_solution(const WrittenEquation& equation, ScriptSolution& s);

// The same for an equation read as re[k] + i im[k] times X^k, constant term
// first, each within err[k] of its texts, whose zero coefficients of the
// highest powers were dropped and whose X^z was factored out: s lists the z
// roots 0 first, exact, with radius 0.
void prove_solution(const std::vector<long double>& re, const std::vector<long double>& im,
                    const std::vector<long double>& err, ScriptSolution& s);
