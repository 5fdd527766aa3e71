// The proof for the roots as scripts read them, not for the finder's
// extended values: a script can only check what it gets.
#include "batch/solution_proof.h"

#include "solver/inclusion.h"

void prove_solution(const WrittenEquation& equation, ScriptSolution& s)
{
    const std::size_t n = s.root_re.size();
    if (n == 0 || equation.re.size() != n + 1) return;  // nothing to prove: no radii
    s.radius.assign(n, 0);
    s.cluster.assign(n, 0);
    s.cluster_size.assign(n, 0);
    prove_roots(static_cast<int>(n), equation.re.data(), equation.im.data(), equation.err.data(), s.root_re.data(),
                s.root_im.data(), s.radius.data(), s.cluster.data(), s.cluster_size.data());
}
