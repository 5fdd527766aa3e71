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
    // Up to the first NUL, as a C text is read, in an exactly sized block so
    // that a read past the NUL is caught.
    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    char* block = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
    double value = -7;
    const bool accepted = number_test(block, &value);
    std::free(block);

    const bool syntax = text.empty() || std::regex_match(text, kSyntax);
    const double expected = text.empty() ? 0 : std::strtod(text.c_str(), nullptr);
    if (accepted != (syntax && std::fabs(expected) <= 1e300)) std::abort();
    if (accepted ? value != expected || std::signbit(value) != std::signbit(expected) : value != 0) std::abort();
    return 0;
}
