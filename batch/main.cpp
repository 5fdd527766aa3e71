// drovu-solve: the Solve command of Drovu for many equations at once, from
// the command line. Reads coefficient data files, solves each as the window
// program would and writes the report its Save Data would write.
#include <cstdio>

#include "batch/batch_options.h"
#include "batch/batch_output.h"
#include "batch/batch_run.h"
#include "batch/batch_texts.h"
#include "batch/file_system.h"
#include "batch/jsonl_run.h"
#include "batch/script_formats.h"
#include "solver/fpu.h"
#include "solver/workspace.h"

constexpr char kVersion[] = "drovu-solve 1.0\n";

static int usage_error(OptionError error, const char* offending)
{
    static const struct {
        OptionError error;
        BatchText text;
    } kTexts[] = {{OptionError::UnknownOption, BatchText::UnknownOption},
                  {OptionError::MissingValue, BatchText::MissingValue},
                  {OptionError::BadKey, BatchText::BadKey},
                  {OptionError::BadRounding, BatchText::BadRounding},
                  {OptionError::BadLanguage, BatchText::BadLanguage},
                  {OptionError::BadFormat, BatchText::BadFormat},
                  {OptionError::NoFiles, BatchText::NoFiles},
                  {OptionError::BadInput, BatchText::BadInput}};
    for (const auto& t : kTexts) {
        if (t.error != error) continue;
        std::fputs("drovu-solve: ", stderr);
        std::fprintf(stderr, batch_text(t.text), offending ? offending : "");
        std::fputc('\n', stderr);
    }
    std::fprintf(stderr, "%s\n", batch_text(BatchText::TryHelp));
    return kStatusUsage;
}

static void print_output_error(BatchText text, const char* path)
{
    std::fputs("drovu-solve: ", stderr);
    std::fprintf(stderr, batch_text(text), path ? shown_name(path) : "-");
    std::fputc('\n', stderr);
}

// -o naming a data file would replace the coefficients with their own
// solution: refused before anything is read or written.
static bool output_is_input(const BatchOptions& options)
{
    if (!options.output) return false;
    for (int i = 0; i < options.file_count; ++i) {
        if (same_file(options.output, options.files[i])) {
            print_output_error(BatchText::OutputIsInput, options.output);
            std::fprintf(stderr, "%s\n", batch_text(BatchText::TryHelp));
            return true;
        }
    }
    return false;
}

int main(int argc, char** argv)
{
    init_extended_precision();
    BatchOptions options;
    const char* offending = nullptr;
    argv = program_arguments(argc, argv);
    const OptionError error = parse_options(argc, argv, &options, &offending);
    int japanese = system_speaks_japanese() ? 1 : 0;
    if (options.language != BatchLanguage::System) japanese = options.language == BatchLanguage::Japanese;
    ws.ui_japanese = japanese;
    if (error != OptionError::None) return usage_error(error, offending);
    if (options.help) {
        std::fputs(batch_text(BatchText::Help), stdout);
        return kStatusSolved;
    }
    if (options.version) {
        std::fputs(kVersion, stdout);
        return kStatusSolved;
    }

    if (output_is_input(options)) return kStatusUsage;
    binary_standard_streams();
    // The report is the window's Save Data, made from a data file's texts.
    if (options.input == BatchInput::Jsonl && options.format == BatchFormat::Report) {
        std::fprintf(stderr, "drovu-solve: %s\n", batch_text(BatchText::JsonlNeedsScriptFormat));
        return kStatusUsage;
    }
    // The rounding keeps 3 (E-4) to 7 (E-8) significant digits.
    const int digits = options.rounding_digit == kNoRounding ? kFullDigits : options.rounding_digit + 3;
    BatchOutput output;
    if (!open_output(options.output, options.format, digits, options.file_count > 1, &output)) {
        print_output_error(BatchText::CannotCreateOutput, options.output);
        return kStatusOutput;
    }
    output.radius_columns = options.key == BatchKey::Simultaneous || options.key == BatchKey::Auto;
    int status = kStatusSolved;
    // JSON Lines without a file come from standard input.
    static char standard_input[] = "-";
    static char* const kStandardInput[] = {standard_input};
    const bool from_stdin = options.input == BatchInput::Jsonl && options.file_count == 0;
    char* const* files = from_stdin ? kStandardInput : options.files;
    const int file_count = from_stdin ? 1 : options.file_count;
    // Every file gets its turn; the first failure names the exit status.
    for (int i = 0; i < file_count; ++i) {
        const int file_status = options.input == BatchInput::Jsonl
                                    ? solve_jsonl_stream(files[i], options, japanese, &output)
                                    : solve_data_file(files[i], options, japanese, &output);
        if (status == kStatusSolved) status = file_status;
    }
    if (!close_output(&output)) {
        print_output_error(BatchText::CannotWriteOutput, options.output);
        status = kStatusOutput;
    }
    return status;
}
