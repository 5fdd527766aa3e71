// Conversion to UTF-8 with the platform's own tables: Windows converts
// through UTF-16, elsewhere iconv does it.
#include "batch/utf8_text.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

// A Windows command line holds at most 32767 characters, so no file name
// given there is longer; a UTF-8 character takes at most 3 bytes per UTF-16
// unit.
constexpr int kMaxCharacters = 32767;
static char converted[3 * kMaxCharacters + 1];

#ifdef _WIN32

const char* to_utf8(const char* text, Charset from)
{
    static wchar_t wide[kMaxCharacters + 1];
    // Without MB_ERR_INVALID_CHARS a byte outside the code page becomes
    // U+FFFD or the page's default character; the result is valid either way.
    const int length = MultiByteToWideChar(from == Charset::ShiftJis ? 932 : CP_UTF8, 0, text, -1, wide,
                                           kMaxCharacters + 1);
    if (length == 0 || WideCharToMultiByte(CP_UTF8, 0, wide, -1, converted, sizeof converted, nullptr, nullptr) == 0)
        converted[0] = '\0';
    return converted;
}

#else

const char* to_utf8(const char* text, Charset from)
{
    static const char kReplacement[] = "\xEF\xBF\xBD";
    constexpr std::size_t kReplacementLength = sizeof kReplacement - 1;
    char* in = const_cast<char*>(text);
    std::size_t in_left = std::strlen(text);
    char* out = converted;
    std::size_t out_left = sizeof converted - 1;
    // UTF-8 to UTF-8 still checks every sequence: a file name's bytes need
    // not be UTF-8.
    iconv_t cd = iconv_open("UTF-8", from == Charset::ShiftJis ? "CP932" : "UTF-8");
    const bool converter = cd != reinterpret_cast<iconv_t>(-1);
    while (in_left > 0 && out_left >= kReplacementLength) {
        if (converter) {
            if (iconv(cd, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) break;
        }
        // A byte that starts no character; without a converter, every byte
        // beyond ASCII.
        if (!converter && static_cast<unsigned char>(*in) < 0x80) {
            *out++ = *in;
            --out_left;
        } else {
            std::memcpy(out, kReplacement, kReplacementLength);
            out += kReplacementLength;
            out_left -= kReplacementLength;
        }
        ++in;
        --in_left;
    }
    if (converter) iconv_close(cd);
    *out = '\0';
    return converted;
}

#endif
