// The Solve command on 30 arbitrary pairs of field texts: it ends with the
// roots shown or with exactly one message, every text it shows fits a field
// and is never "nan" or "inf", and the coefficients are put back.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

static bool shows_non_number_word(const std::string& text)
{
    for (const char* word : {"nan", "NAN", "inf", "INF"})
        if (text.find(word) != std::string::npos) return true;
    return false;
}

static void check_text(const char* text)
{
    std::size_t length = std::strlen(text);
    if (length > 15 || shows_non_number_word(text)) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    reset_fake_ui();
    ws.display_mode = kModeInput;
    ws.rounding_enabled = data[0] & 1;
    ws.rounding_digit = (data[0] >> 1) % 5;
    const double scales[] = {1000.0, 100.0, 10.0, 1.0, 0.1};
    ws.rounding_scale = scales[ws.rounding_digit];
    ws.param_change = (data[0] >> 4) & 1;
    ws.deflation_mode = (data[0] >> 5) & 1;
    ws.ui_japanese = (data[0] >> 6) & 1;

    // Field texts separated by '\n', Re of rows 0..29 then Im; a field holds
    // at most 15 characters.
    std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t start = 0;
    for (int i = 0; i < 60 && start <= input.size(); ++i) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        fake.field[i] = input.substr(start, std::min<std::size_t>(end - start, 15));
        fake.field[i] = fake.field[i].c_str();
        start = end + 1;
    }

    run_solution(ws.main_window);

    const std::vector<std::string> boxes = logged("box");
    if (ws.display_mode == kModeRoots) {
        if (boxes.size() > 1) std::abort();
        for (int k = 0; k < kTextSlots; ++k) {
            check_text(ws.root_text_re[k]);
            check_text(ws.root_text_im[k]);
            check_text(ws.error_text_re[k]);
            check_text(ws.error_text_im[k]);
        }
        for (int i = 0; i < 60; ++i) check_text(fake.field[i].c_str());
    } else {
        if (ws.display_mode != kModeInput || boxes.size() != 1) std::abort();
    }
    // Refusals before the conversion to solver order (texts, no degree)
    // leave the coefficient arrays as the reset left them; every later
    // ending puts the saved coefficients back.
    bool before_conversion = false;
    for (const std::string& box : boxes)
        for (const char* early : {"Incorrect coefficient(s)!", "係数が不正です!", "Unable to get a solution!\n",
                                  "解を得られません!\n"})
            if (box.find(std::string(": ") + early) != std::string::npos) before_conversion = true;
    if (!before_conversion) {
        for (int k = 0; k <= ws.degree; ++k)
            if (ws.coef_re[k] != ws.saved_coef_re[k] || ws.coef_im[k] != ws.saved_coef_im[k]) std::abort();
    }
    return 0;
}
