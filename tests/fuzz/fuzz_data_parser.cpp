// The data-file parser on arbitrary bytes: no read outside the buffer (the
// bytes are copied into an exactly sized block), at most 30 records, every
// accepted text at most 15 bytes and a number by the number test.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "entry/number_test.h"
#include "files/data_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    char* block = static_cast<char*>(std::malloc(size ? size : 1));
    std::memcpy(block, data, size);
    ByteSource source = memory_byte_source(block, size);
    CoefficientText records[kRows];
    int count = parse_data_records(source, records);
    std::free(block);
    if (count < 0 || count > kRows) std::abort();
    for (int m = 0; m < count; ++m) {
        for (const char* text : {records[m].re, records[m].im}) {
            std::size_t length = strnlen(text, kFieldTextSize);
            if (length == 0 || length > 15) std::abort();
            if (!number_test(text, nullptr)) std::abort();
        }
    }
    return 0;
}
