// The data file's record reader, byte by byte over a ByteSource.
#include "files/data_parser.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "entry/number_test.h"

namespace {

constexpr int kScanLimit = 256;   // bytes one forward scan examines at most
constexpr int kFieldBuffer = 258; // a field of at most 255 bytes and its NUL
constexpr int kWindow = 4096;     // bytes read from the source in one piece

// The scans step back and forth over a few hundred bytes at a time; a window
// of the source keeps them from asking the file for every byte.
struct Cursor {
    const ByteSource* source;
    long long start;
    int filled;
    char window[kWindow];
};

// The byte at pos, or -1 outside the data. Nothing outside 0..size-1 is
// ever asked of the source.
int byte_at(Cursor& cursor, long long pos)
{
    if (pos < 0 || pos >= cursor.source->size) return -1;
    if (pos < cursor.start || pos >= cursor.start + cursor.filled) {
        long long left = cursor.source->size - pos;
        int want = left < kWindow ? static_cast<int>(left) : kWindow;
        int got = cursor.source->read(cursor.source->context, pos, cursor.window, want);
        cursor.start = pos;
        cursor.filled = got < 0 ? 0 : (got > want ? want : got);
        if (cursor.filled == 0) return -1;  // the file has shrunk under us
    }
    return static_cast<unsigned char>(cursor.window[pos - cursor.start]);
}

// Only the byte 0x20 counts as a space between the fields.
long long skip_spaces(Cursor& cursor, long long pos)
{
    for (int i = 0; i < kScanLimit; ++i, ++pos)
        if (byte_at(cursor, pos) != ' ') break;
    return pos;
}

// Copies length (<= 255) bytes from pos into a NUL-terminated text. A NUL
// byte inside the field would hide the rest of it from the number test, so
// such a field is reported as not a number (false).
bool copy_field(Cursor& cursor, long long pos, int length, char text[kFieldBuffer])
{
    for (int i = 0; i < length; ++i) {
        int b = byte_at(cursor, pos + i);
        if (b <= 0) return false;
        text[i] = static_cast<char>(b);
    }
    text[length] = '\0';
    return true;
}

bool is_white(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The text a field puts into the grid. The number test passes over leading
// white space, so a field may begin with a TAB after the separator or with
// the CR LF of a blank line before it; a one-line field would show those
// bytes as garbage, and they do not change the value, so they are dropped.
// A number longer than a field is cut to its first 15 bytes when that
// changes its value by at most one part in 1e10. A cut that would lose the
// exponent or change the value more, as in a number printed with all its
// digits ("-1.2345678901234567e-05"), gives way to the value in exponent
// form with as many digits as fit: the equation solved must be the one in
// the file.
void grid_text(const char* field, char out[kFieldTextSize])
{
    while (is_white(*field)) ++field;
    std::snprintf(out, kFieldTextSize, "%s", field);
    if (std::strlen(field) < static_cast<std::size_t>(kFieldTextSize)) return;
    double whole = 0, cut = 0;
    number_test(field, &whole);
    if (number_test(out, &cut) && !(std::fabs(cut - whole) > 1e-10 * std::fabs(whole))) return;
    for (int digits = kFieldTextSize; digits >= 0; --digits)
        if (std::snprintf(out, kFieldTextSize, "%.*e", digits, whole) < kFieldTextSize) return;
}

// Where the line whose field 2 ends at the CR at pos ends. CR, space and
// TAB bytes after it are passed; an LF then ends the line after itself, any
// other byte just after the last CR before it. So CR LF and CR CR LF lines
// end as they always did, and a file of CR-only lines reads line by line
// instead of from the middle of the next one. A field 2 that runs to the end
// of the file ends there.
long long line_end(Cursor& cursor, long long pos)
{
    long long after_cr = pos;
    for (int i = 0; i < kScanLimit; ++i) {
        const int c = byte_at(cursor, pos + i);
        if (c == '\n') return pos + i + 1;
        if (c == '\r') after_cr = pos + i + 1;
        else if (c != ' ' && c != '\t') break;
    }
    return after_cr;
}

enum class Record { Accepted, Rejected, Stop };

// Why a record was not accepted, and the byte its note points to.
struct Passed {
    NoteCode code;
    long long pos;
};

// The first byte of a field that is not white space (a field may start
// with the line end of a blank line); pos itself when there is none.
long long content_start(Cursor& cursor, long long pos, int length)
{
    for (int i = 0; i < length; ++i)
        if (!is_white(static_cast<char>(byte_at(cursor, pos + i)))) return pos + i;
    return pos;
}

// A line break inside a field, after its first byte of content: the field
// has run on into the next line.
bool spans_lines(Cursor& cursor, long long pos, int length)
{
    const long long start = content_start(cursor, pos, length);
    for (long long p = start; p < pos + length; ++p) {
        const int c = byte_at(cursor, p);
        if (c == '\r' || c == '\n') return true;
    }
    return false;
}

// Reads the record that starts at pos. On Accepted or Rejected, *next is the
// position after the line's end. Both fields are read and tested even when
// the first is not a number, so a rejected line is passed over as a whole.
// *passed says why a record was not accepted.
Record read_record(Cursor& cursor, long long pos, CoefficientText* out, long long* next, Passed* passed)
{
    char re[kFieldBuffer] = {}, im[kFieldBuffer] = {};

    // Field 1 ends at a space, TAB or comma, even one lines further on: a
    // line of one word swallows the next line this way.
    const long long a = skip_spaces(cursor, pos);
    int re_length = 0;
    for (;; ++re_length) {
        int b = re_length < kScanLimit ? byte_at(cursor, a + re_length) : -1;
        if (b == ' ' || b == '\t' || b == ',') break;
        if (b >= 0) continue;
        // No separator within reach: no second field.
        const bool at_end = re_length < kScanLimit;
        *passed = {at_end ? NoteCode::SingleField : NoteCode::LongField, content_start(cursor, a, re_length)};
        return Record::Stop;
    }
    *passed = {NoteCode::EmptyField, a};
    if (re_length == 0) return Record::Stop;  // an empty first cell
    passed->pos = content_start(cursor, a, re_length);
    const bool re_ok = copy_field(cursor, a, re_length, re) && number_test(re, nullptr);

    // One comma or one TAB, with any spaces around it, or spaces alone.
    long long b = skip_spaces(cursor, a + re_length);
    int separator = byte_at(cursor, b);
    if (separator == ',' || separator == '\t') b = skip_spaces(cursor, b + 1);

    // Field 2 ends only at a CR, or at the end of the file.
    int raw_length = 0;
    passed->code = NoteCode::LongField;
    for (;; ++raw_length) {
        if (raw_length == kScanLimit) return Record::Stop;  // longer than 255 bytes
        int c = byte_at(cursor, b + raw_length);
        if (c == '\r' || c < 0) break;
    }
    int im_length = raw_length;
    while (im_length > 0 && byte_at(cursor, b + im_length - 1) == ' ') --im_length;
    passed->code = NoteCode::NoImaginaryPart;
    if (im_length == 0) return Record::Stop;  // an empty imaginary part
    const bool im_ok = copy_field(cursor, b, im_length, im) && number_test(im, nullptr);

    *next = line_end(cursor, b + raw_length);

    if (!re_ok || !im_ok) {
        passed->code = spans_lines(cursor, a, re_length) ? NoteCode::JoinedLines : NoteCode::NotNumbers;
        return Record::Rejected;
    }
    grid_text(re, out->re);
    grid_text(im, out->im);
    return Record::Accepted;
}

// Line numbers of byte positions, counted as an editor counts them: LF,
// CR LF and a CR alone each end a line. Positions asked for only grow.
struct LineCounter {
    long long pos = 0;
    long long line = 1;
};

long long line_of(Cursor& cursor, LineCounter& counter, long long pos)
{
    for (; counter.pos < pos; ++counter.pos) {
        const int c = byte_at(cursor, counter.pos);
        if (c == '\n' || (c == '\r' && byte_at(cursor, counter.pos + 1) != '\n')) ++counter.line;
    }
    return counter.line;
}

// The first byte from pos on that is not white space, looked for within
// one window of bytes; -1 when none is.
long long next_content(Cursor& cursor, long long pos)
{
    for (int i = 0, c; i < kWindow && (c = byte_at(cursor, pos + i)) >= 0; ++i)
        if (!is_white(static_cast<char>(c))) return pos + i;
    return -1;
}

// Lines ending with LF alone: the first line end in the first window of
// the file is an LF.
bool lf_line_ends(Cursor& cursor)
{
    for (int i = 0, c; i < kWindow && (c = byte_at(cursor, i)) >= 0; ++i) {
        if (c == '\r') return false;
        if (c == '\n') return true;
    }
    return false;
}

int read_memory(void* context, long long pos, char* buf, int count)
{
    const auto* bytes = static_cast<const char*>(context);
    std::memcpy(buf, bytes + pos, static_cast<std::size_t>(count));
    return count;
}

// Files beyond 2 GB must still be measured right.
int seek(std::FILE* file, long long pos, int whence)
{
#ifdef _WIN32
    return fseeko64(file, pos, whence);
#else
    return fseeko(file, static_cast<off_t>(pos), whence);
#endif
}

long long tell(std::FILE* file)
{
#ifdef _WIN32
    return ftello64(file);
#else
    return ftello(file);
#endif
}

int read_file(void* context, long long pos, char* buf, int count)
{
    auto* file = static_cast<std::FILE*>(context);
    if (seek(file, pos, SEEK_SET) != 0) return 0;
    return static_cast<int>(std::fread(buf, 1, static_cast<std::size_t>(count), file));
}

}  // namespace

ByteSource memory_byte_source(const char* bytes, std::size_t size)
{
    return {static_cast<long long>(size), read_memory, const_cast<char*>(bytes)};
}

bool file_byte_source(std::FILE* file, ByteSource* source)
{
    if (seek(file, 0, SEEK_END) != 0) return false;
    long long size = tell(file);
    if (size < 0 || seek(file, 0, SEEK_SET) != 0) return false;
    *source = {size, read_file, file};
    return true;
}

int parse_data_records(const ByteSource& source, CoefficientText records[kRows], const NoteSink* notes)
{
    Cursor cursor;
    cursor.source = &source;
    cursor.start = 0;
    cursor.filled = 0;
    LineCounter lines;
    // Only the first of the notes of an LF-only file is true; the rest
    // would follow from it.
    const bool lf_only = notes && lf_line_ends(cursor);
    auto note = [&](NoteCode code, long long pos) {
        if (notes && !lf_only) notes->add(notes->context, {line_of(cursor, lines, pos), code});
    };
    if (lf_only) notes->add(notes->context, {1, NoteCode::LfLineEnds});

    int accepted = 0;
    // A UTF-8 byte-order mark, as spreadsheets write one, is no part of the
    // first line; the size tests below still count it.
    long long pos = byte_at(cursor, 0) == 0xEF && byte_at(cursor, 1) == 0xBB && byte_at(cursor, 2) == 0xBF ? 3 : 0;
    while (source.size > 0 && accepted < kRows) {
        long long next = 0;
        Passed passed{};
        Record record = read_record(cursor, pos, &records[accepted], &next, &passed);
        if (record != Record::Accepted) note(passed.code, passed.pos);
        if (record == Record::Stop) return accepted;
        if (record == Record::Accepted) ++accepted;
        pos = next;
        // A line needs at least three bytes, so a last byte alone starts nothing.
        if (pos >= source.size - 1) return accepted;
    }
    const long long more = source.size > 0 ? next_content(cursor, pos) : -1;
    if (more >= 0) note(NoteCode::AfterLastRow, more);
    return accepted;
}
