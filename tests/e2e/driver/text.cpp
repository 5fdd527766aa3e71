// Text conversions for the driver.
#include "text.h"

#include <windows.h>

#include <cstdio>

static std::wstring to_wide(const std::string& text, UINT code_page)
{
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
    return out;
}

static std::string from_wide(const std::wstring& text, UINT code_page)
{
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, nullptr);
    return out;
}

std::wstring widen(const std::string& utf8)
{
    return to_wide(utf8, CP_UTF8);
}

std::string narrow(const std::wstring& wide)
{
    return from_wide(wide, CP_UTF8);
}

std::string to_ansi(const std::string& utf8)
{
    return from_wide(widen(utf8), CP_ACP);
}

std::string windows_path(const std::string& path)
{
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:" + path;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

std::string visible(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c == '"') out += "\\\"";
        else if (c < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else out += static_cast<char>(c);
    }
    return out;
}
