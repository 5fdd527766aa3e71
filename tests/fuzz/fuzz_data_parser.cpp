// The data-file parser on arbitrary bytes: no read outside the buffer (the
// bytes are copied into an exactly sized block), at most 30 records, every
// accepted text at most 15 bytes and a number by the number test; the notes
// of what it passed over change nothing, and their lines run forward within
// the file.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "entry/number_test.h"
#include "files/data_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    char* block = static_cast<char*>(std::malloc(size ? size : 1));
    std::memcpy(block, data, size);
    CoefficientText records[kRows], again[kRows];
    const int count = parse_data_records(memory_byte_source(block, size), records);
    struct Lines {
        long long last, most;
    } lines = {1, static_cast<long long>(size) + 1};
    const NoteSink sink = {[](void* to, const ReaderNote& note) {
                               Lines& l = *static_cast<Lines*>(to);
                               if (note.line < l.last || note.line > l.most || note.code >= NoteCode::Count)
                                   std::abort();
                               l.last = note.line;
                           },
                           &lines};
    if (parse_data_records(memory_byte_source(block, size), again, &sink) != count) std::abort();
    std::free(block);
    if (count < 0 || count > kRows) std::abort();
    for (int m = 0; m < 2 * count; ++m) {
        const char* text = m % 2 ? records[m / 2].im : records[m / 2].re;
        const std::size_t length = strnlen(text, kFieldTextSize);
        if (length == 0 || length > 15 || !number_test(text, nullptr)) std::abort();
        if (std::strcmp(text, m % 2 ? again[m / 2].im : again[m / 2].re) != 0) std::abort();
    }
    return 0;
}
