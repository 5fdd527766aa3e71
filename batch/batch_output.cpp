// The reports, rows and lines of drovu-solve on their way out.
#include "batch/batch_output.h"

#include "files/report_format.h"
#include "files/report_writer.h"

bool open_output(const char* path, BatchFormat format, int digits, bool headed, BatchOutput* output)
{
    *output = BatchOutput{stdout, OutputFile(), path != nullptr, format, digits, headed, 0, false};
    if (!path) return true;
    if (!open_output_file(path, &output->file)) return false;
    output->stream = output->file.stream;
    return true;
}

static bool write_report(BatchOutput* output, const char* name, const Workspace& w)
{
    static char report[kReportCapacity];
    const int length = compose_report(w, report, kReportCapacity);
    if (length < 0) return false;
    if (output->headed) {
        // CR LF like the reports, so the whole output is one kind of text.
        if (output->records > 0) std::fputs("\r\n", output->stream);
        std::fprintf(output->stream, "==> %s <==\r\n", shown_name(name));
    }
    std::fwrite(report, 1, static_cast<std::size_t>(length), output->stream);
    return true;
}

bool write_solution(BatchOutput* output, const ScriptSource& source, const Workspace& report,
                    const ScriptSolution& solution)
{
    switch (output->format) {
    case BatchFormat::Report:
        if (!write_report(output, source.file, report)) return false;
        break;
    case BatchFormat::Csv:
        if (output->records == 0) write_csv_header(output->stream, output->radius_columns);
        write_csv_rows(output->stream, source, solution, output->digits, output->radius_columns);
        break;
    case BatchFormat::Json:
        write_json_solution(output->stream, source, solution, output->digits);
        break;
    }
    ++output->records;
    return true;
}

void write_failure(BatchOutput* output, const ScriptSource& source, int status, const char* error,
                   const char* caption, const char* text, const std::vector<ReaderNote>& notes)
{
    if (output->format != BatchFormat::Json) return;
    write_json_failure(output->stream, source, status, error, caption, text, notes);
    ++output->records;
}

bool close_output(BatchOutput* output)
{
    // Write errors stay noted in the stream until the end.
    if (!output->to_file) return std::fflush(stdout) == 0 && !std::ferror(stdout);
    return close_output_file(&output->file, output->records > 0);
}
