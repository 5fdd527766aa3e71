// Standard error of drovu-solve, line by line.
#include "batch/batch_messages.h"

#include <cstdio>

#include "batch/batch_texts.h"
#include "batch/file_system.h"

void print_box(const char* path, const char* label, const char* caption, const char* text)
{
    const char* name = shown_name(path);
    std::fprintf(stderr, "%s: %s%s: ", name, label, caption);
    for (const char* c = text; *c; ++c) {
        std::fputc(*c, stderr);
        if (*c == '\n') std::fprintf(stderr, "%s: ", name);
    }
    std::fputc('\n', stderr);
}

void print_note(const char* path, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", shown_name(path), text);
}

void print_reader_note(const char* path, const ReaderNote& note)
{
    const int first = static_cast<int>(BatchText::NoteNotNumbers);
    static_assert(static_cast<int>(BatchText::NoteLfLineEnds) - static_cast<int>(BatchText::NoteNotNumbers) ==
                      static_cast<int>(NoteCode::LfLineEnds),
                  "one text per note, in the same order");
    const BatchText text = static_cast<BatchText>(first + static_cast<int>(note.code));
    std::fprintf(stderr, "%s:%lld: %s\n", shown_name(path), note.line, batch_text(text));
}
