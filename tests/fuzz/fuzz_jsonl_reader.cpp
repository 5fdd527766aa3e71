// The JSON Lines reader on arbitrary bytes, line by line, and the fifth key
// on what it accepts: no read outside the line (each is copied into an
// exactly sized block), an accepted equation has finite coefficients and a
// degree of at least 1, its id is JSON that reads back as itself, and a
// small equation solves to finite roots or fails cleanly.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "batch/jsonl_reader.h"
#include "solver/any_degree.h"

static void check_line(const char* text, std::size_t size)
{
    char* block = static_cast<char*>(std::malloc(size ? size : 1));
    std::memcpy(block, text, size);
    JsonlEquation e;
    const JsonlError error = parse_equation(block, size, size % 2 == 0, &e);
    std::free(block);
    if (error != JsonlError::None) return;
    if (e.re.size() != e.im.size() || e.re.size() < 2) std::abort();
    for (std::size_t k = 0; k < e.re.size(); ++k)
        if (!std::isfinite(e.re[k]) || !std::isfinite(e.im[k])) std::abort();
    if (!e.id.empty()) {
        const std::string again = "{\"coefficients\":[1,2],\"id\":" + e.id + "}";
        JsonlEquation f;
        if (parse_equation(again.data(), again.size(), false, &f) != JsonlError::None || f.id != e.id) std::abort();
    }
    if (e.re.size() > 17) return;
    AnyDegreeSolution s;
    if (solve_any_degree(e.re.data(), e.im.data(), static_cast<int>(e.re.size()), 1e-7, &s) != AnyDegreeResult::Solved)
        return;
    for (std::size_t k = 0; k < s.root_re.size(); ++k)
        if (!std::isfinite(s.root_re[k]) || !std::isfinite(s.root_im[k]) || std::isnan(s.error_re[k]) ||
            std::isnan(s.error_im[k]))
            std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    for (std::size_t start = 0; start <= size;) {
        const void* lf = std::memchr(text + start, '\n', size - start);
        const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text) : size;
        check_line(text + start, end - start);
        start = end + 1;
    }
    return 0;
}
