// The Solve command on 30 arbitrary pairs of field texts under any setting:
// it ends with the roots shown or with exactly one refusal, and every text
// it shows fits a field and is never "nan" or "inf".
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "entry/settings_logic.h"
#include "tests/unit/fake_ui.h"

static void check_text(const std::string& text)
{
    if (text.size() > 15) std::abort();
    for (const char* word : {"nan", "NAN", "inf", "INF"})
        if (text.find(word) != std::string::npos) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    reset_fake_ui();
    ws.display_mode = kModeInput;
    ws.ui_japanese = (data[0] >> 6) & 1;
    select_method(data[0] >> 4 & 3);
    if (data[0] & 1) toggle_rounding();
    select_digit((data[0] >> 1) % 5);

    // Field texts separated by '\n', Re of rows 0..29 then Im, up to the
    // 15 characters a field holds.
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t i = 0, start = 0; i < 60 && start <= input.size(); ++i) {
        std::size_t end = std::min(input.find('\n', start), input.size());
        fake.field[i] = input.substr(start, std::min<std::size_t>(end - start, 15)).c_str();
        start = end + 1;
    }
    run_solution(ws.main_window);

    const std::size_t boxes = logged("box").size();
    if (ws.display_mode == kModeInput && boxes == 1) return 0;
    if (ws.display_mode != kModeRoots || boxes > 1) std::abort();
    for (int k = 0; k < kTextSlots; ++k)
        for (const char* text : {ws.root_text_re[k], ws.root_text_im[k], ws.error_text_re[k], ws.error_text_im[k]})
            check_text(text);
    for (const std::string& text : fake.field) check_text(text);
    return 0;
}
