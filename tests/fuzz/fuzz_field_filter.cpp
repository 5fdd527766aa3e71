// The field filter on arbitrary typing and pasting: the field always ends as
// a number or one of the permitted beginnings, and the shortening through
// the field's own change notification ends.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "entry/field_filter.h"
#include "entry/number_test.h"
#include "tests/unit/fake_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    reset_fake_ui();
    ws.display_mode = kModeInput;
    const int id = 101 + (size ? data[0] % 60 : 0);
    // Byte 0x01 pastes the next chunk (up to the next 0x01) as a whole, as
    // a paste replaces the selection; every other byte is typed.
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0x01) {
            const std::size_t end = std::find(data + i + 1, data + size, 0x01) - data;
            const std::size_t length = std::min<std::size_t>(end - i - 1, 15);
            const std::string chunk(reinterpret_cast<const char*>(data + i + 1), length);
            ui_set_text(id < 131 ? ws.field_re[id - 101] : ws.field_im[id - 131], chunk.c_str());
            i = end;
        } else if (data[i] != 0) {
            type_into(id, std::string(1, static_cast<char>(data[i])));
        }
        const std::string& text = field(id);
        if (text != "." && text != "-" && text != "-." && !number_test(text.c_str(), nullptr)) std::abort();
    }
    return 0;
}
