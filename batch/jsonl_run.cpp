// JSON Lines in, one solution or failure per line out, in order: the
// engine's own door, at full precision and any degree.
#include "batch/jsonl_run.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "batch/batch_run.h"
#include "batch/batch_texts.h"
#include "batch/file_system.h"
#include "batch/jsonl_reader.h"
#include "batch/solution_proof.h"
#include "entry/entry_texts.h"
#include "entry/solution_display.h"
#include "entry/run_solution.h"
#include "files/file_texts.h"
#include "solver/any_degree.h"
#include "solver/solve_driver.h"
#include "solver/texts.h"

namespace {

enum class JsonlText { BadJson, NoCoefficients, NotANumber, OutOfRange, ZeroPolynomial, DegreeZero, DegreeTooHigh,
                       Count };
constexpr TextPair kJsonlTexts[] = {
    {"The line is not valid JSON.", "この行は正しい JSON ではありません."},
    {"The line is not an object with a \"coefficients\" array of at least one value.",
     "この行は, 値が 1 個以上ある \"coefficients\" の配列を持つオブジェクトではありません."},
    {"A coefficient is neither a finite number nor a pair [re, im] of finite numbers.",
     "有限の数でも有限の数の組 [re, im] でもない係数があります."},
    {"A coefficient lies beyond the range of extended precision.", "拡張精度の範囲を超える係数があります."},
    {"All coefficients are zero.", "係数がすべてゼロです."},
    {"Only the constant term is not zero: the equation has no root.",
     "定数項のほかの係数がすべてゼロなので, 方程式に根はありません."},
    {"Key %s solves equations of degree 29 at most; this one has degree %d. Key simultaneous or auto solves it.",
     "解法 %s で解けるのは 29 次までです. この方程式は %d 次です. 解法 simultaneous または auto で解けます."},
};
static_assert(sizeof kJsonlTexts / sizeof kJsonlTexts[0] == static_cast<int>(JsonlText::Count), "one pair per text");

const char* jsonl_text(JsonlText id)
{
    return pick_text(kJsonlTexts[static_cast<int>(id)]);
}

// One line of the stream, as the output and standard error name it.
struct LineName {
    ScriptSource source;
    char label[1100];  // "path:LINE"
};

void fail(BatchOutput* output, const LineName& name, int status, const char* code, const char* caption,
          const char* text)
{
    print_box(name.label, "", caption, text);
    write_failure(output, name.source, status, code, caption, text, {});
}

void fail_with_log(BatchOutput* output, const LineName& name, int status, const ConsoleLog& log)
{
    const bool any = log.message_count > 0;
    const char* text = any ? log.messages[0].text : "";
    write_failure(output, name.source, status, failure_code(text), any ? log.messages[0].caption : "", text, {});
}

enum class Outcome { Solved, Inaccurate, Refused, Failed };

// The fifth key on the equation as read; its messages stay in the console log.
Outcome solve_simultaneously(const JsonlEquation& e, const BatchOptions& options, int japanese, ScriptSolution* s)
{
    start_program(options, BatchKey::Simultaneous, japanese);
    AnyDegreeSolution found;
    const AnyDegreeResult result =
        solve_any_degree(e.re.data(), e.im.data(), static_cast<int>(e.re.size()), ws.base_tolerance, &found);
    if (result != AnyDegreeResult::Solved) {
        const SolveResult failure =
            result == AnyDegreeResult::TooLarge ? SolveResult::TooLarge : SolveResult::NoConvergence;
        show_message(ws.main_window, failure_text(failure), kCaptionError, kMbOk | kMbIconError);
        return Outcome::Failed;
    }
    *s = ScriptSolution{key_name(BatchKey::Simultaneous), found.root_re, found.root_im, found.error_re,
                        found.error_im, found.large_error, {}, {}, {}, {}};
    // The window's box after a solution with large errors, as its key says it.
    if (found.large_error)
        show_message(ws.main_window, entry_text(EntryText::LargeErrors), kCaptionInformation,
                     kMbOk | kMbIconExclamation);
    if (ws.rounding_enabled == 1)
        for (std::vector<double>* v : {&s->root_re, &s->root_im, &s->error_re, &s->error_im})
            for (double& x : *v) x = shown_value(x);
    prove_solution(e.re, e.im, e.err, *s);
    return found.large_error ? Outcome::Inaccurate : Outcome::Solved;
}

// A window key on the values rounded to double, through the Solve command.
Outcome solve_under_window_key(const JsonlEquation& e, int n, const BatchOptions& options, BatchKey key,
                               int japanese, ScriptSolution* s)
{
    std::vector<double> re(n + 1), im(n + 1);
    for (int k = 0; k <= n; ++k) {
        re[k] = static_cast<double>(e.re[k]);
        im[k] = static_cast<double>(e.im[k]);
    }
    start_program(options, key, japanese);
    const SolveStatus status = run_solution_on_values(ws.main_window, re.data(), im.data(), n).status;
    switch (status) {
    case SolveStatus::Refused:
        return Outcome::Refused;
    case SolveStatus::NoSolution:
        return Outcome::Failed;
    case SolveStatus::Solved:
    case SolveStatus::SolvedLargeErrors:
        break;
    }
    *s = script_solution(ws, key);
    return status == SolveStatus::Solved ? Outcome::Solved : Outcome::Inaccurate;
}

int degree_of(const JsonlEquation& e)
{
    int n = static_cast<int>(e.re.size()) - 1;
    while (n > 0 && e.re[n] == 0 && e.im[n] == 0) --n;
    return n;
}

// One parsed equation under the options' key; returns its status.
int solve_equation_line(const JsonlEquation& e, const LineName& name, const BatchOptions& options, int japanese,
                        BatchOutput* output)
{
    const int n = degree_of(e);
    const bool automatic = options.key == BatchKey::Auto;
    ScriptSolution s;
    if (options.key == BatchKey::Simultaneous || automatic) {
        const Outcome outcome = solve_simultaneously(e, options, japanese, &s);
        const ConsoleLog log = console_log();
        const BatchKey fifth = BatchKey::Simultaneous;
        print_messages(name.label, automatic ? &fifth : nullptr, log);
        if (outcome != Outcome::Failed) {
            write_solution(output, name.source, ws, s);
            return kStatusSolved;
        }
        if (!automatic || n >= kRows) {
            fail_with_log(output, name, kStatusNoSolution, log);
            return kStatusNoSolution;
        }
    } else if (n >= kRows) {
        char text[300];
        std::snprintf(text, sizeof text, jsonl_text(JsonlText::DegreeTooHigh), key_name(options.key), n);
        fail(output, name, kStatusRefused, "degree_too_high", pick_text(kCaptionError), text);
        return kStatusRefused;
    }
    // The window's keys in their order: the first solution without a large
    // error, else the first solution at all.
    const int first = automatic ? 0 : static_cast<int>(options.key);
    const int last = automatic ? static_cast<int>(BatchKey::Simultaneous) : first + 1;
    ScriptSolution fallback;
    bool have_fallback = false;
    ConsoleLog first_log{};
    for (int k = first; k < last; ++k) {
        const BatchKey key = static_cast<BatchKey>(k);
        const Outcome outcome = solve_under_window_key(e, n, options, key, japanese, &s);
        const ConsoleLog& log = console_log();
        if (k == first) first_log = log;
        print_messages(name.label, automatic ? &key : nullptr, log);
        if (outcome == Outcome::Solved || (outcome == Outcome::Inaccurate && !automatic)) {
            write_solution(output, name.source, ws, s);
            return kStatusSolved;
        }
        if (outcome == Outcome::Inaccurate && !have_fallback) {
            fallback = s;
            have_fallback = true;
        }
        if (outcome == Outcome::Refused) {
            // The checks come before the key matters: another key cannot help.
            fail_with_log(output, name, kStatusRefused, log);
            return kStatusRefused;
        }
    }
    if (have_fallback) {
        write_solution(output, name.source, ws, fallback);
        return kStatusSolved;
    }
    fail_with_log(output, name, kStatusNoSolution, first_log);
    return kStatusNoSolution;
}

bool is_blank(const std::string& line)
{
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

}  // namespace

int solve_jsonl_stream(const char* path, const BatchOptions& options, int japanese, BatchOutput* output)
{
    LineName name{{path, nullptr, 0}, {}};
    std::snprintf(name.label, sizeof name.label, "%s", path);
    const bool standard_input = path[0] == '-' && path[1] == '\0';
    InputError open_error = InputError::None;
    std::FILE* file = standard_input ? stdin : open_input(path, &open_error);
    if (!file) {
        const bool missing = open_error == InputError::Missing;
        fail(output, name, kStatusNoData, missing ? "file_missing" : "cannot_read", pick_text(kCaptionError),
             missing ? pick_text(file_text(FileText::FileMissing)) : batch_text(BatchText::CannotRead));
        return kStatusNoData;
    }
    static const JsonlText kErrorTexts[] = {JsonlText::BadJson, JsonlText::BadJson, JsonlText::NoCoefficients,
                                            JsonlText::NotANumber, JsonlText::OutOfRange, JsonlText::ZeroPolynomial,
                                            JsonlText::DegreeZero};
    static_assert(sizeof kErrorTexts / sizeof kErrorTexts[0] == static_cast<int>(JsonlError::Count),
                  "one text per reader error");
    int status = kStatusSolved;
    LineReader reader(fileno(file));
    std::string line;
    JsonlEquation equation;
    for (long long number = 1; reader.next(&line); ++number) {
        if (is_blank(line)) continue;
        const JsonlError error = parse_equation(line.data(), line.size(), options.highest_first, &equation);
        name.source = {nullptr, equation.id.empty() ? nullptr : equation.id.c_str(), number};
        std::snprintf(name.label, sizeof name.label, "%s:%lld", path, number);
        int line_status;
        if (error == JsonlError::None) {
            line_status = solve_equation_line(equation, name, options, japanese, output);
        } else {
            const bool unreadable = error == JsonlError::BadJson || error == JsonlError::NoCoefficients;
            line_status = unreadable ? kStatusNoData : kStatusRefused;
            fail(output, name, line_status, jsonl_error_code(error), pick_text(kCaptionError),
                 jsonl_text(kErrorTexts[static_cast<int>(error)]));
        }
        if (status == kStatusSolved) status = line_status;
    }
    if (reader.failed()) {
        name.source = {path, nullptr, 0};
        std::snprintf(name.label, sizeof name.label, "%s", path);
        fail(output, name, kStatusNoData, "cannot_read", pick_text(kCaptionError), batch_text(BatchText::CannotRead));
        if (status == kStatusSolved) status = kStatusNoData;
    }
    if (!standard_input) std::fclose(file);
    return status;
}
