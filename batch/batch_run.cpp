// Solving one data file, under one key or, with auto, under each key in turn.
#include "batch/batch_run.h"

#include <cstdio>
#include <cstring>

#include "batch/batch_texts.h"
#include "batch/batch_messages.h"
#include "batch/console_ui.h"
#include "batch/data_input.h"
#include "batch/solution_proof.h"
#include "entry/entry_texts.h"
#include "entry/run_solution.h"
#include "entry/settings_logic.h"
#include "solver/solve_driver.h"
#include "solver/workspace.h"

// The command line names the five keys to solution in their order.
static_assert(static_cast<int>(BatchKey::Standard) == static_cast<int>(SolveKey::Standard) &&
                  static_cast<int>(BatchKey::Param) == static_cast<int>(SolveKey::ParamChange) &&
                  static_cast<int>(BatchKey::Deflation) == static_cast<int>(SolveKey::Deflation) &&
                  static_cast<int>(BatchKey::ParamDeflation) == static_cast<int>(SolveKey::ParamDeflation) &&
                  static_cast<int>(BatchKey::Simultaneous) == static_cast<int>(SolveKey::Simultaneous) &&
                  kSolvingKeys == kSolveKeys,
              "a BatchKey other than Auto is the SolveKey of the same name");

// The order auto tries the keys in: simultaneous iteration, whose roots are
// the most accurate wherever it finds them, then the window's four in the
// settings dialog's order, for the equations it finds no solution of.
constexpr BatchKey kAutoOrder[] = {BatchKey::Simultaneous, BatchKey::Standard, BatchKey::Param, BatchKey::Deflation,
                                   BatchKey::ParamDeflation};
static_assert(sizeof kAutoOrder / sizeof kAutoOrder[0] == kSolvingKeys, "auto tries every key");

// One key tried, with what the Solve command said under it.
struct Attempt {
    BatchKey key;
    SolveOutcome outcome;
    ConsoleLog log;
};

// Each message as its box showed it. With auto, the key it came under goes
// in front.
void print_messages(const char* path, const BatchKey* key, const ConsoleLog& log)
{
    char label[64] = "";
    if (key) {
        std::snprintf(label, sizeof label - 2, batch_text(BatchText::KeyLabel), key_name(*key));
        std::strcat(label, ": ");
    }
    const int kept = log.message_count < kConsoleMessages ? log.message_count : kConsoleMessages;
    for (int i = 0; i < kept; ++i) print_box(path, label, log.messages[i].caption, log.messages[i].text);
}

// A fresh window program in the input view, with the settings of the
// command line.
void start_program(const BatchOptions& options, BatchKey key, int japanese)
{
    reset_workspace();
    console_reset();
    ws.ui_japanese = japanese;
    set_workspace_key(static_cast<SolveKey>(key));
    if (options.rounding_digit != kNoRounding) {
        ws.rounding_enabled = 1;
        select_digit(options.rounding_digit);
    }
    ws.display_mode = kModeInput;
}

static SolveOutcome solve_under_key(const CoefficientText* records, int count, const BatchOptions& options,
                                    BatchKey key, int japanese)
{
    start_program(options, key, japanese);
    // Through the fields, as Read Data fills them, so the field filter runs
    // on every text.
    for (int m = 0; m < count; ++m) {
        ui_set_text(ws.field_re[m], records[m].re);
        ui_set_text(ws.field_im[m], records[m].im);
    }
    return run_solution(ws.main_window);
}

// The stable code of a failure in JSON, from the first message the Solve
// command showed (in the language chosen).
const char* failure_code(const char* text)
{
    static const struct {
        const TextPair& text;
        const char* code;
    } kCodes[] = {{entry_text(EntryText::IncorrectCoefficients), "incorrect_coefficients"},
                  {entry_text(EntryText::NoSolution), "no_coefficients"},
                  {entry_text(EntryText::ConstantTermZero), "constant_term_zero"},
                  {entry_text(EntryText::OutOfRange), "out_of_range"},
                  {entry_text(EntryText::AllZero), "all_zero"},
                  {entry_text(EntryText::HighestDegreeZero), "highest_degree_zero"},
                  {failure_text(SolveResult::NoConvergence), "no_convergence"},
                  {failure_text(SolveResult::TooLarge), "too_large"},
                  {failure_text(SolveResult::Unexpected), "unexpected_error"},
                  {failure_text(SolveResult::NotAllRoots), "not_all_roots"}};
    for (const auto& c : kCodes)
        if (std::strcmp(text, pick_text(c.text)) == 0) return c.code;
    return "no_solution";
}

static ScriptSource file_source(const char* path)
{
    return {path, nullptr, 0};
}

// The first inaccurate solution, which auto keeps while it tries the later
// keys: the whole workspace, as Save Data would find it. The solution
// chosen is the last one tried and still in ws.
static Workspace fallback_solution;

// What the user reads on standard error: every message under every key
// tried and, when auto went past the first key, the key it used.
static void tell(const char* path, bool automatic, const Attempt* attempts, int tried, int used)
{
    for (int i = 0; i < tried; ++i) print_messages(path, automatic ? &attempts[i].key : nullptr, attempts[i].log);
    if (automatic && tried > 1 && used >= 0) {
        char note[64];
        std::snprintf(note, sizeof note, batch_text(BatchText::SolvedWithKey), key_name(attempts[used].key));
        print_note(path, note);
    }
}

// The first message a Solve command showed, for the output.
static void write_first_message(BatchOutput* output, const char* path, int status, const Attempt& attempt,
                                const std::vector<ReaderNote>& notes)
{
    const ConsoleLog& log = attempt.log;
    const bool any = log.message_count > 0;
    const char* text = any ? log.messages[0].text : "";
    write_failure(output, file_source(path), status, failure_code(text), any ? log.messages[0].caption : "", text,
                  notes);
}

// What scripts get of the solution in w: the finder's values, or with the
// rounding on, the rounded values the report shows.
ScriptSolution script_solution(const Workspace& w, BatchKey key, const std::vector<ReaderNote>& notes)
{
    ScriptSolution s{key_name(key), {}, {}, {}, {}, w.roots_accurate == 0, {}, {}, {}, notes};
    const bool rounded = w.rounding_enabled == 1;
    for (int k = 0; k < w.degree; ++k) {
        s.root_re.push_back(rounded ? w.root_re[k] : w.found_root_re[k]);
        s.root_im.push_back(rounded ? w.root_im[k] : w.found_root_im[k]);
        s.error_re.push_back(rounded ? w.error_re[k] : w.found_error_re[k]);
        s.error_im.push_back(rounded ? w.error_im[k] : w.found_error_im[k]);
    }
    // The fifth method read the coefficients as typed, in extended precision.
    if (key == BatchKey::Simultaneous) prove_solution(written_equation(w), s);
    return s;
}

int solve_data_file(const char* path, const BatchOptions& options, int japanese, BatchOutput* output)
{
    static DataInput input;
    if (read_data_input(path, options.quiet, &input, output) == 0) return kStatusNoData;
    const CoefficientText* records = input.records;
    const int count = input.count;

    const bool automatic = options.key == BatchKey::Auto;
    const int keys = automatic ? kSolvingKeys : 1;
    Attempt attempts[kSolvingKeys];
    int tried = 0, chosen = -1, fallback = -1;
    while (tried < keys && chosen < 0) {
        Attempt& a = attempts[tried];
        a.key = automatic ? kAutoOrder[tried] : options.key;
        a.outcome = solve_under_key(records, count, options, a.key, japanese);
        a.log = console_log();
        // The checks come before the key matters: another key cannot help.
        if (a.outcome.status == SolveStatus::Refused) {
            print_messages(path, nullptr, a.log);
            write_first_message(output, path, kStatusRefused, a, input.notes);
            return kStatusRefused;
        }
        // The fifth method's solution is taken as it is, warning or not;
        // of the window's keys, the first without a warning.
        const bool inaccurate = a.outcome.status == SolveStatus::SolvedLargeErrors;
        if (a.outcome.status == SolveStatus::Solved || (inaccurate && (!automatic || tried == 0))) {
            chosen = tried;
        } else if (inaccurate && fallback < 0) {
            fallback = tried;
            fallback_solution = ws;
        }
        ++tried;
    }
    const Workspace& used = chosen >= 0 ? ws : fallback_solution;
    if (chosen < 0) chosen = fallback;
    tell(path, automatic, attempts, tried, chosen);
    // A solved equation always has a degree of 1..29, so its report fits.
    if (chosen < 0 ||
        !write_solution(output, file_source(path), used, script_solution(used, attempts[chosen].key, input.notes))) {
        write_first_message(output, path, kStatusNoSolution, attempts[0], input.notes);
        return kStatusNoSolution;
    }
    return kStatusSolved;
}
