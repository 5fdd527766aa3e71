// The Solve command on 30 arbitrary pairs of field texts under any setting:
// its outcome says what the user saw (the roots, and a box for every outcome
// but a clean solution), and every text it shows fits a field and is never
// "nan" or "inf".
#include <iconv.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "entry/entry_texts.h"
#include "entry/field_filter.h"
#include "entry/run_solution.h"
#include "entry/settings_logic.h"
#include "tests/unit/fake_ui.h"

// The program's texts are Shift-JIS, and a field holds 15 bytes of them. The
// fuzz build's compiler keeps literals in UTF-8 ("オ" in three bytes, where
// Shift-JIS takes two), so a text is judged once converted back.
static constexpr bool kLiteralsAreUtf8 = sizeof("オ") == 4;

static std::string as_held(const std::string& text)
{
    if (!kLiteralsAreUtf8) return text;
    static const iconv_t to_shift_jis = iconv_open("CP932", "UTF-8");
    char out[64];
    char* in_at = const_cast<char*>(text.data());
    char* out_at = out;
    std::size_t in_left = text.size(), out_left = sizeof out;
    iconv(to_shift_jis, nullptr, nullptr, nullptr, nullptr);
    if (to_shift_jis == reinterpret_cast<iconv_t>(-1) ||
        iconv(to_shift_jis, &in_at, &in_left, &out_at, &out_left) == static_cast<std::size_t>(-1))
        std::abort();  // every text the program shows exists in Shift-JIS
    return std::string(out, out_at);
}

static void check_text(const std::string& shown)
{
    const std::string text = as_held(shown);
    if (text.size() > 15) std::abort();
    for (const char* word : {"nan", "NAN", "inf", "INF"})
        if (text.find(word) != std::string::npos) std::abort();
}

// An error figure beyond the doubles shows the overflow text, which this
// build cuts to the 17 bytes of a text slot in its UTF-8 form: the whole
// text is judged, as the program holds it whole.
static void check_figure(double value, const char* text)
{
    if (std::isfinite(value)) return check_text(text);
    const std::string overflow = pick_text(entry_text(EntryText::Overflow));
    if (overflow.compare(0, std::strlen(text), text) != 0) std::abort();
    check_text(overflow);
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
    const SolveOutcome outcome = run_solution(ws.main_window);

    // One box for every outcome but a clean solution, and the roots shown
    // exactly when there is a solution.
    const bool solved = outcome.status == SolveStatus::Solved || outcome.status == SolveStatus::SolvedLargeErrors;
    if (logged("box").size() != (outcome.message ? 1u : 0u) || (outcome.status == SolveStatus::Solved) != !outcome.message)
        std::abort();
    if (ws.display_mode != (solved ? kModeRoots : kModeInput)) std::abort();
    if (!solved) return 0;
    for (int k = 0; k < kTextSlots; ++k) {
        check_text(ws.root_text_re[k]);
        check_text(ws.root_text_im[k]);
        check_figure(k < kRows ? ws.error_re[k] : 0, ws.error_text_re[k]);
        check_figure(k < kRows ? ws.error_im[k] : 0, ws.error_text_im[k]);
    }
    for (const std::string& text : fake.field) check_text(text);
    return 0;
}
