// The reports of drovu-solve on their way out.
#include "batch/batch_output.h"

#include <cstring>

#include "files/report_writer.h"
#include "platform/ui.h"

bool open_output(const char* path, bool headed, BatchOutput* output)
{
    std::memset(output, 0, sizeof *output);
    output->path = path;
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

static void put(BatchOutput* output, const char* bytes, std::size_t length)
{
    if (std::fwrite(bytes, 1, length, output->stream) != length) output->write_failed = true;
}

void write_report(BatchOutput* output, const char* name, const char* bytes, int length)
{
    if (output->headed) {
        // CR LF like the reports, so the whole output is one kind of text.
        if (output->reports > 0) put(output, "\r\n", 2);
        put(output, "==> ", 4);
        put(output, name, std::strlen(name));
        put(output, " <==\r\n", 6);
    }
    put(output, bytes, static_cast<std::size_t>(length));
    ++output->reports;
}

bool close_output(BatchOutput* output)
{
    if (!output->path) return std::fflush(stdout) == 0 && !std::ferror(stdout) && !output->write_failed;
    // A full disk often shows only when the last buffer goes out.
    bool ok = std::fclose(output->stream) == 0 && !output->write_failed;
    if (ok && output->reports > 0) ok = ui_replace_file(output->temporary, output->path);
    if (!ok || output->reports == 0) std::remove(output->temporary);
    return ok;
}
