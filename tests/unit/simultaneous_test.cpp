// Simultaneous iteration through the Solve command: equations that the four
// keys cannot solve, the coefficients taken as typed, and what it refuses.
#include "solver/simultaneous.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <vector>

#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "solver/root_finder.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

using ext = long double;
using cext = std::complex<ext>;

struct Row {
    const char* re;
    const char* im;
};

// The Solve command on rows typed constant term first; the roots stay in
// the work arrays in extended precision.
void solve(const std::vector<Row>& rows)
{
    reset_fake_ui();
    ws.display_mode = kModeInput;
    ws.simultaneous_iteration = 1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        field(101 + static_cast<int>(r)) = rows[r].re;
        field(131 + static_cast<int>(r)) = rows[r].im;
    }
    run_solution(ws.main_window);
}

}  // namespace

TEST(SimultaneousIteration, SolvesWhatTheFourKeysCannot)
{
    const ext h = std::sqrt(3.0L) / 2, a = std::sqrt((std::sqrt(2.0L) + 1) / 2), b = std::sqrt((std::sqrt(2.0L) - 1) / 2);
    const Row one = {"1", "0"}, zero = {"0", "0"};
    const struct { const char* name; std::vector<Row> rows; std::vector<cext> roots; ext tolerance; } cases[] = {
        {"2x + 4: by the formula", {{"4", "0"}, {"2", "0"}}, {-2}, 0},
        {"x^4 - 1: Newton from -i stays on the axis", {{"-1", "0"}, zero, zero, zero, one}, {1, -1, {0, 1}, {0, -1}}, 1e-18},
        {"x^6 - 1", {{"-1", "0"}, zero, zero, zero, zero, zero, one},
         {1, -1, {0.5, h}, {0.5, -h}, {-0.5, h}, {-0.5, -h}}, 1e-18},
        {"x^4 - 2x^2 + 2: Newton cycles", {{"2", "0"}, zero, {"-2", "0"}, zero, one}, {{a, b}, {a, -b}, {-a, b}, {-a, -b}}, 1e-18},
        // Plain extended arithmetic stops some 1e-6 off a triple root.
        {"(x^2 + 1)^3", {one, zero, {"3", "0"}, zero, {"3", "0"}, zero, one},
         {{0, 1}, {0, 1}, {0, 1}, {0, -1}, {0, -1}, {0, -1}}, 1e-10},
        // From the doubles of 0.2 and 0.01 the pair would split by 1e-9.
        {"(x - 0.1)^2 as typed", {{"0.01", "0"}, {"-0.2", "0"}, one}, {0.1L, 0.1L}, 1e-10},
    };
    for (const auto& c : cases) {
        solve(c.rows);
        SCOPED_TRACE(c.name);
        ASSERT_EQ(ws.display_mode, kModeRoots);
        EXPECT_TRUE(logged("box").empty());
        EXPECT_EQ(ws.roots_accurate, 1);
        std::vector<cext> found;
        for (int k = 0; k < ws.degree; ++k) found.emplace_back(ws.work_re[k], ws.work_im[k]);
        for (cext root : c.roots) {
            auto nearest = found.begin();
            for (auto z = found.begin(); z != found.end(); ++z)
                if (std::abs(*z - root) < std::abs(*nearest - root)) nearest = z;
            ASSERT_NE(nearest, found.end());
            EXPECT_LE(std::abs(*nearest - root), c.tolerance)
                << static_cast<double>(root.real()) << " " << static_cast<double>(root.imag());
            found.erase(nearest);
        }
    }
}

TEST(SimultaneousIteration, RefusesWhatItCannotStartFrom)
{
    const ext nan = std::numeric_limits<ext>::quiet_NaN();
    const struct { int n; ext lead, constant; } cases[] = {{0, 1, 1}, {30, 1, 1}, {3, 0, 1}, {3, 1, 0}, {3, nan, 1}};
    for (const auto& c : cases) {
        reset_workspace();
        ws.work_re[0] = c.lead;
        ws.work_re[c.n < kRows ? c.n : 0] = c.constant;
        EXPECT_EQ(find_roots_simultaneously(c.n), ROOTS_NO_CONVERGENCE) << c.n << " " << static_cast<double>(c.lead);
    }
}
