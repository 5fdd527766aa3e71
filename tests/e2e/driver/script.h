// Scenario files: one step per line, a verb and its arguments; '#' starts a
// comment; "double quotes" hold blanks and the escapes \n \r \t \\ \".
#pragma once

#include <string>
#include <vector>

struct Step {
    int line;
    std::string verb;
    std::vector<std::string> args;
};

// Reads a scenario; on a syntax error returns false with the reason in *error.
bool read_scenario(const std::string& path, std::vector<Step>* steps, std::string* error);
