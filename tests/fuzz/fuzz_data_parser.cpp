// The data-file parser on arbitrary bytes: no read outside the buffer (the
// bytes are copied into an exactly sized block), at most 30 records, every
// accepted text at most 15 bytes and a number by the number test.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "entry/number_test.h"
#include "files/data_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    char* block = static_cast<char*>(std::malloc(size ? size : 1));
    std::memcpy(block, data, size);
    CoefficientText records[kRows];
    const int count = parse_data_records(memory_byte_source(block, size), records);
    std::free(block);
    if (count < 0 || count > kRows) std::abort();
    for (int m = 0; m < 2 * count; ++m) {
        const char* text = m % 2 ? records[m / 2].im : records[m / 2].re;
        const std::size_t length = strnlen(text, kFieldTextSize);
        if (length == 0 || length > 15 || !number_test(text, nullptr)) std::abort();
    }
    return 0;
}
