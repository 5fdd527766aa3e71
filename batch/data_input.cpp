// Reading a data file for drovu-solve.
#include "batch/data_input.h"

#include <cstdio>
#include <string>

#include "batch/batch_messages.h"
#include "batch/batch_run.h"
#include "batch/batch_texts.h"
#include "batch/file_system.h"
#include "files/file_texts.h"

// The records of an open stream. A file is read where it lies; what cannot
// be sought (a pipe, a terminal) is read whole first, then the same way.
// Standard input always is: Windows does not tell a pipe by a failed seek.
static int read_stream(std::FILE* file, bool seekable, DataInput* input)
{
    const NoteSink sink = {[](void* to, const ReaderNote& note) {
                               static_cast<std::vector<ReaderNote>*>(to)->push_back(note);
                           },
                           &input->notes};
    ByteSource source;
    if (seekable && file_byte_source(file, &source)) return parse_data_records(source, input->records, &sink);
    std::clearerr(file);
    std::string bytes;
    char buffer[1 << 14];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    if (std::ferror(file)) return -1;
    return parse_data_records(memory_byte_source(bytes.data(), bytes.size()), input->records, &sink);
}

// Why a file gave no record: its message and its code.
static void tell_no_records(const char* path, InputError error, const DataInput& input, BatchOutput* output)
{
    const char* text = pick_text(file_text(FileText::NoData));
    const char* code = "no_data";
    if (error == InputError::Missing) {
        text = pick_text(file_text(FileText::FileMissing));
        code = "file_missing";
    } else if (error == InputError::Unreadable) {
        text = batch_text(BatchText::CannotRead);
        code = "cannot_read";
    }
    const char* caption = pick_text(kCaptionError);
    print_box(path, "", caption, text);
    write_failure(output, {path, nullptr, 0}, kStatusNoData, code, caption, text, input.notes);
}

int read_data_input(const char* path, bool quiet, DataInput* input, BatchOutput* output)
{
    const bool standard_input = path[0] == '-' && path[1] == '\0';
    InputError error = InputError::None;
    std::FILE* file = standard_input ? stdin : open_input(path, &error);
    input->notes.clear();
    input->count = file ? read_stream(file, !standard_input, input) : 0;
    if (file && !standard_input) std::fclose(file);
    if (!quiet)
        for (const ReaderNote& note : input->notes) print_reader_note(path, note);
    if (input->count > 0) return input->count;
    if (input->count < 0) error = InputError::Unreadable;
    input->count = 0;
    tell_no_records(path, error, *input, output);
    return 0;
}
