// The number test against an independent oracle: a regular expression for
// the syntax, and glibc's correctly rounded strtod for the value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "entry/number_test.h"

static const std::regex kSyntax(R"(^[ \t\n\v\f\r]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]*)?$)");

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 400) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str();  // up to the first NUL, as a C text is read

    // Copy into an exactly sized heap block so a read past the NUL is caught.
    char* block = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
    double value = -7;
    bool accepted = number_test(block, &value);
    std::free(block);

    bool expected = text.empty();
    double expected_value = 0;
    if (!expected && std::regex_match(text, kSyntax)) {
        expected_value = std::strtod(text.c_str(), nullptr);
        expected = std::fabs(expected_value) <= 1e300;
    }
    if (accepted != expected) std::abort();
    if (accepted && !(value == expected_value && std::signbit(value) == std::signbit(expected_value))) std::abort();
    if (!accepted && value != 0) std::abort();
    return 0;
}
