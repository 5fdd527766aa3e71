// The proof for the roots as scripts read them, not for the finder's
// extended values: a script can only check what it gets.
#include "batch/solution_proof.h"

#include <cmath>

#include "solver/inclusion.h"

void prove_solution(const WrittenEquation& equation, ScriptSolution& s)
{
    const std::size_t n = s.root_re.size();
    if (n == 0 || equation.re.size() != n + 1 || equation.err.size() != n + 1) return;
    s.radius.assign(n, 0);
    s.cluster.assign(n, 0);
    s.cluster_size.assign(n, 0);
    prove_roots(static_cast<int>(n), equation.re.data(), equation.im.data(), equation.err.data(), s.root_re.data(),
                s.root_im.data(), s.radius.data(), s.cluster.data(), s.cluster_size.data());
}

void prove_solution(const std::vector<long double>& re, const std::vector<long double>& im,
                    const std::vector<long double>& err, ScriptSolution& s)
{
    if (re.size() != err.size() || re.size() != im.size()) return;
    int top = static_cast<int>(re.size()) - 1, zeros = 0;
    while (top > 0 && re[top] == 0 && im[top] == 0) --top;
    while (zeros < top && re[zeros] == 0 && im[zeros] == 0) ++zeros;
    if (s.root_re.size() != static_cast<std::size_t>(top)) return;
    // The rest, X^zeros .. X^top, highest power first, with the roots after
    // the zeros.
    WrittenEquation rest;
    ScriptSolution others;
    for (int k = top; k >= zeros; --k) {
        rest.re.push_back(re[k]);
        rest.im.push_back(im[k]);
        rest.err.push_back(err[k]);
    }
    others.root_re.assign(s.root_re.begin() + zeros, s.root_re.end());
    others.root_im.assign(s.root_im.begin() + zeros, s.root_im.end());
    prove_solution(rest, others);
    if (others.radius.empty() && zeros < top) return;
    // A root 0 of multiplicity z is a disk of radius 0; the clusters are
    // those of all the disks together, which only joins parts.
    s.radius.assign(zeros, 0);
    s.radius.insert(s.radius.end(), others.radius.begin(), others.radius.end());
    bool proven = true;
    for (double r : s.radius) proven = proven && std::isfinite(r);
    if (!proven) s.radius.assign(top, HUGE_VAL);
    s.cluster.assign(top, 0);
    s.cluster_size.assign(top, 0);
    number_clusters(top, s.root_re.data(), s.root_im.data(), s.radius.data(), s.cluster.data(),
                    s.cluster_size.data());
}
