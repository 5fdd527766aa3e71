// A strict JSON reader for one kind of line: an object with a coefficient
// array. It validates the whole line (UTF-8 included) so that what it echoes
// is JSON, and converts numbers from their text once.
#include "batch/jsonl_reader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "entry/number_test.h"
#include "solver/written_equation.h"

#ifdef _WIN32
#include <io.h>
static long read_some(int fd, char* buffer, std::size_t size)
{
    return _read(fd, buffer, static_cast<unsigned>(size));
}
#else
#include <unistd.h>
static long read_some(int fd, char* buffer, std::size_t size)
{
    return ::read(fd, buffer, size);
}
#endif

const char* jsonl_error_code(JsonlError error)
{
    static const char* const kCodes[] = {"",           "bad_json",        "no_coefficients", "not_a_number",
                                         "out_of_range", "zero_polynomial", "degree_zero"};
    static_assert(sizeof kCodes / sizeof kCodes[0] == static_cast<int>(JsonlError::Count), "one code per error");
    return kCodes[static_cast<int>(error)];
}

namespace {

using ext = long double;

enum class Kind { Number, NonFinite, Other };

struct Span {
    const char* begin;
    const char* end;
};

class Parser {
public:
    Parser(const char* text, std::size_t length) : p_(text), end_(text + length) {}

    // Parses the line; false on a syntax error.
    bool line(bool highest_first, JsonlEquation* equation);
    JsonlError value_error() const { return value_error_; }

private:
    const char* p_;
    const char* end_;
    int depth_ = 0;
    JsonlError value_error_ = JsonlError::None;
    bool have_coefficients_ = false;
    std::string number_text_;

    bool at(char c) const { return p_ < end_ && *p_ == c; }
    void space()
    {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\t' || *p_ == '\r' || *p_ == '\n')) ++p_;
    }
    bool take(char c)
    {
        space();
        if (!at(c)) return false;
        ++p_;
        return true;
    }
    bool word(const char* w)
    {
        const std::size_t n = std::strlen(w);
        if (static_cast<std::size_t>(end_ - p_) < n || std::memcmp(p_, w, n) != 0) return false;
        p_ += n;
        return true;
    }
    void note(JsonlError error)
    {
        if (value_error_ == JsonlError::None) value_error_ = error;
    }
    bool utf8_sequence();
    bool string(std::string* decoded);
    bool number(Span* span);
    bool value(Kind* kind, Span* span);
    bool members(bool (Parser::*member)(const std::string&, void*), void* context);
    bool elements(bool (Parser::*element)(int, void*), void* context);
    bool skip_member(const std::string&, void*);
    bool skip_element(int, void*);
    bool top_member(const std::string& key, void* equation);
    bool coefficient(int, void* equation);
    bool pair_part(int index, void* pair);
    bool convert(Span span, ext* x, ext* err);
};

// One multi-byte UTF-8 character at p_ (its lead byte not ASCII): no
// overlong form, no surrogate, nothing beyond U+10FFFF.
bool Parser::utf8_sequence()
{
    const unsigned char lead = static_cast<unsigned char>(*p_);
    int follow;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        follow = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        follow = 2;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        follow = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return false;
    }
    if (end_ - p_ <= follow) return false;
    for (int i = 1; i <= follow; ++i) {
        const unsigned char c = static_cast<unsigned char>(p_[i]);
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF)) return false;
    }
    p_ += follow + 1;
    return true;
}

bool Parser::string(std::string* decoded)
{
    if (!take('"')) return false;
    while (p_ < end_) {
        const char* start = p_;
        const unsigned char c = static_cast<unsigned char>(*p_);
        if (c == '"') {
            ++p_;
            return true;
        }
        if (c < 0x20) return false;
        if (c >= 0x80) {
            if (!utf8_sequence()) return false;
        } else if (c == '\\') {
            if (end_ - p_ < 2) return false;
            const char e = p_[1];
            p_ += 2;
            if (e == 'u') {
                for (int i = 0; i < 4; ++i, ++p_)
                    if (p_ >= end_ || !std::strchr("0123456789abcdefABCDEF", *p_) || *p_ == '\0') return false;
            } else if (!std::strchr("\"\\/bfnrt", e) || e == '\0') {
                return false;
            }
        } else {
            ++p_;
        }
        // Keys are compared as written: an escaped key names no member we read.
        if (decoded) decoded->append(start, p_);
    }
    return false;
}

// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool Parser::number(Span* span)
{
    auto digits = [this] {
        const char* from = p_;
        while (p_ < end_ && *p_ >= '0' && *p_ <= '9') ++p_;
        return p_ > from;
    };
    span->begin = p_;
    if (at('-')) ++p_;
    if (at('0'))
        ++p_;
    else if (!digits())
        return false;
    if (at('.')) {
        ++p_;
        if (!digits()) return false;
    }
    if (at('e') || at('E')) {
        ++p_;
        if (at('+') || at('-')) ++p_;
        if (!digits()) return false;
    }
    span->end = p_;
    return true;
}

bool Parser::value(Kind* kind, Span* span)
{
    space();
    *kind = Kind::Other;
    if (p_ >= end_) return false;
    switch (*p_) {
    case '{':
        return members(&Parser::skip_member, nullptr);
    case '[':
        return elements(&Parser::skip_element, nullptr);
    case '"':
        return string(nullptr);
    case 't':
        return word("true");
    case 'f':
        return word("false");
    case 'n':
        return word("null");
    case 'N':
    case 'I':
        *kind = Kind::NonFinite;
        return word("NaN") || word("Infinity");
    }
    if (end_ - p_ >= 9 && std::memcmp(p_, "-Infinity", 9) == 0) {
        p_ += 9;
        *kind = Kind::NonFinite;
        return true;
    }
    *kind = Kind::Number;
    return number(span);
}

// "{" members "}", each handed to member with its key; the depth bounded.
bool Parser::members(bool (Parser::*member)(const std::string&, void*), void* context)
{
    if (!take('{') || ++depth_ > kJsonDepth) return false;
    if (!take('}')) {
        std::string key;
        do {
            key.clear();
            if (!string(&key) || !take(':') || !(this->*member)(key, context)) return false;
        } while (take(','));
        if (!take('}')) return false;
    }
    --depth_;
    return true;
}

bool Parser::elements(bool (Parser::*element)(int, void*), void* context)
{
    if (!take('[') || ++depth_ > kJsonDepth) return false;
    if (!take(']')) {
        int index = 0;
        do {
            if (!(this->*element)(index++, context)) return false;
        } while (take(','));
        if (!take(']')) return false;
    }
    --depth_;
    return true;
}

bool Parser::skip_member(const std::string&, void*)
{
    Kind kind;
    Span span;
    return value(&kind, &span) && kind != Kind::NonFinite;
}

bool Parser::skip_element(int, void*)
{
    return skip_member(std::string(), nullptr);
}

// The number's nearest extended real, and how far the text may lie from it
// added to *err; false, with the error noted, beyond the extended range or
// where non-zero digits would read as 0.
bool Parser::convert(Span span, ext* x, ext* err)
{
    number_text_.assign(span.begin, span.end);
    *x = decimal_to_extended(number_text_.c_str());
    *err += decimal_reading_error(number_text_.c_str(), *x);
    bool zero_digits = true;
    for (const char* c = span.begin; c < span.end && *c != 'e' && *c != 'E'; ++c)
        if (*c >= '1' && *c <= '9') zero_digits = false;
    if (std::isfinite(*x) && (*x != 0 || zero_digits)) return true;
    note(JsonlError::OutOfRange);
    return false;
}

struct Pair {
    int numbers = 0;
    ext part[2] = {0, 0};
    ext err = 0;
};

bool Parser::pair_part(int index, void* context)
{
    Pair& pair = *static_cast<Pair*>(context);
    Kind kind;
    Span span;
    if (!value(&kind, &span)) return false;
    if (kind != Kind::Number || index > 1) {
        note(JsonlError::NotANumber);
        return true;
    }
    convert(span, &pair.part[index], &pair.err);
    ++pair.numbers;
    return true;
}

bool Parser::coefficient(int, void* context)
{
    JsonlEquation& equation = *static_cast<JsonlEquation*>(context);
    space();
    ext re = 0, im = 0, err = 0;
    if (at('[')) {
        Pair pair;
        if (!elements(&Parser::pair_part, &pair)) return false;
        if (pair.numbers != 2) note(JsonlError::NotANumber);
        re = pair.part[0];
        im = pair.part[1];
        err = pair.err;
    } else {
        Kind kind;
        Span span;
        if (!value(&kind, &span)) return false;
        if (kind != Kind::Number)
            note(JsonlError::NotANumber);
        else
            convert(span, &re, &err);
    }
    equation.re.push_back(re);
    equation.im.push_back(im);
    // The sum of the parts' bounds, taken up for its own rounding.
    equation.err.push_back(err * (1 + 0x1p-60L));
    return true;
}

bool Parser::top_member(const std::string& key, void* context)
{
    JsonlEquation& equation = *static_cast<JsonlEquation*>(context);
    space();
    if (key == "coefficients" && at('[')) {
        // A later "coefficients" replaces an earlier one, as most readers do.
        equation.re.clear();
        equation.im.clear();
        equation.err.clear();
        have_coefficients_ = true;
        return elements(&Parser::coefficient, &equation);
    }
    const char* start = p_;
    if (!skip_member(key, nullptr)) return false;
    if (key == "coefficients") have_coefficients_ = false;
    if (key == "id") equation.id.assign(start, p_);
    return true;
}

bool Parser::line(bool highest_first, JsonlEquation* equation)
{
    space();
    if (!at('{')) {
        Kind kind;
        Span span;
        if (!value(&kind, &span) || kind == Kind::NonFinite) return false;
        note(JsonlError::NoCoefficients);
    } else if (!members(&Parser::top_member, equation)) {
        return false;
    }
    space();
    if (p_ != end_) return false;
    if (!have_coefficients_ || equation->re.empty()) {
        value_error_ = JsonlError::NoCoefficients;
        return true;
    }
    if (highest_first) {
        std::reverse(equation->re.begin(), equation->re.end());
        std::reverse(equation->im.begin(), equation->im.end());
        std::reverse(equation->err.begin(), equation->err.end());
    }
    return true;
}

}  // namespace

JsonlError parse_equation(const char* text, std::size_t length, bool highest_first, JsonlEquation* equation)
{
    equation->re.clear();
    equation->im.clear();
    equation->id.clear();
    Parser parser(text, length);
    if (!parser.line(highest_first, equation)) return JsonlError::BadJson;
    if (parser.value_error() != JsonlError::None) return parser.value_error();
    std::size_t highest = equation->re.size();
    while (highest > 0 && equation->re[highest - 1] == 0 && equation->im[highest - 1] == 0) --highest;
    if (highest == 0) return JsonlError::ZeroPolynomial;
    if (highest == 1) return JsonlError::DegreeZero;
    return JsonlError::None;
}

bool LineReader::next(std::string* line)
{
    line->clear();
    bool any = false;
    for (;;) {
        if (begin_ == end_) {
            if (ended_) break;
            long got;
            do got = read_some(fd_, buffer_, sizeof buffer_);
            while (got < 0 && errno == EINTR);
            begin_ = end_ = 0;
            if (got <= 0) {
                ended_ = true;
                failed_ = got < 0;
                break;
            }
            end_ = static_cast<std::size_t>(got);
        }
        any = true;
        const char* from = buffer_ + begin_;
        const void* lf = std::memchr(from, '\n', end_ - begin_);
        const std::size_t count = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - from) : end_ - begin_;
        line->append(from, count);
        begin_ += count;
        if (lf) {
            ++begin_;
            break;
        }
    }
    if (!any) return false;
    if (!line->empty() && line->back() == '\r') line->pop_back();
    if (first_ && line->compare(0, 3, "\xEF\xBB\xBF") == 0) line->erase(0, 3);
    first_ = false;
    return true;
}
