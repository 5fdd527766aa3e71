// Reading scenario files.
#include "script.h"

#include <cstdio>

#include "text.h"

static bool split_line(const std::string& line, std::vector<std::string>* words, std::string* error)
{
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') { ++i; continue; }
        if (c == '#') break;
        std::string word;
        if (c != '"') {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
            words->push_back(word);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size()) {
            char d = line[i++];
            if (d == '"') { closed = true; break; }
            if (d != '\\' || i >= line.size()) { word += d; continue; }
            char e = line[i++];
            switch (e) {
            case 'n': word += '\n'; break;
            case 'r': word += '\r'; break;
            case 't': word += '\t'; break;
            default: word += e; break;  // \\ and \"
            }
        }
        if (!closed) { *error = "unterminated quoted text"; return false; }
        words->push_back(word);
    }
    return true;
}

bool read_scenario(const std::string& path, std::vector<Step>* steps, std::string* error)
{
    FILE* f = _wfopen(widen(windows_path(path)).c_str(), L"rb");
    if (!f) { *error = "cannot open " + path; return false; }
    std::string content;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) content.append(chunk, n);
    std::fclose(f);

    int line_number = 0;
    size_t start = 0;
    while (start <= content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        ++line_number;
        std::vector<std::string> words;
        if (!split_line(line, &words, error)) {
            *error = "line " + std::to_string(line_number) + ": " + *error;
            return false;
        }
        if (words.empty()) continue;
        Step step{line_number, words[0], {}};
        step.args.assign(words.begin() + 1, words.end());
        steps->push_back(step);
    }
    return true;
}
