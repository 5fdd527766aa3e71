// Proven inclusion disks for a solution that scripts get.
#pragma once

#include "batch/script_formats.h"
#include "solver/written_equation.h"

// Fills the radii and clusters of s for its roots as written (the doubles
// in s), on the equation as written: every root of it lies in a disk, and a
// cluster of m overlapping disks holds exactly m roots.
void prove_solution(const WrittenEquation& equation, ScriptSolution& s);
