// The reports, rows and lines of drovu-solve on their way out.
#include "batch/batch_output.h"

#include <cstring>

#include "files/report_format.h"
#include "files/report_writer.h"
#include "platform/ui.h"

bool open_output(const char* path, BatchFormat format, int digits, bool headed, BatchOutput* output)
{
    std::memset(output, 0, sizeof *output);
    output->path = path;
    output->format = format;
    output->digits = digits;
    output->headed = headed;
    if (!path) {
        output->stream = stdout;
        return true;
    }
    if (std::strlen(path) >= kOutputPathSize) return false;
    if (!pick_temporary_name(path, output->temporary, sizeof output->temporary)) return false;
    output->stream = std::fopen(output->temporary, "wb");
    return output->stream != nullptr;
}

static bool write_report(BatchOutput* output, const char* name, const Workspace& w)
{
    static char report[kReportCapacity];
    const int length = compose_report(w, report, kReportCapacity);
    if (length < 0) return false;
    if (output->headed) {
        // CR LF like the reports, so the whole output is one kind of text.
        if (output->records > 0) std::fputs("\r\n", output->stream);
        std::fprintf(output->stream, "==> %s <==\r\n", name);
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
        if (output->records == 0) write_csv_header(output->stream, !solution.radius.empty());
        write_csv_rows(output->stream, source, solution, output->digits);
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
    if (!output->path) return std::fflush(stdout) == 0 && !std::ferror(stdout);
    // A full disk often shows only when the last buffer goes out.
    const bool written = !std::ferror(output->stream);
    bool ok = std::fclose(output->stream) == 0 && written;
    if (ok && output->records > 0) ok = ui_replace_file(output->temporary, output->path);
    if (!ok || output->records == 0) std::remove(output->temporary);
    return ok;
}
