// The shared workspace and its start-up values.
#include "solver/workspace.h"

static Workspace initial_workspace()
{
    Workspace w{};  // everything zero, handles null
    w.base_tolerance = 1e-7;
    w.rounding_digit = 2;  // E-6
    w.rounding_scale = 10.0;
    return w;
}

Workspace ws = initial_workspace();

void reset_workspace()
{
    ws = initial_workspace();
}
