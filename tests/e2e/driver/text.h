// Conversions between the UTF-8 of scenario files and logs and the UTF-16 of
// the Windows calls, so a check sees what a user sees whatever the program's
// code page.
#pragma once

#include <string>

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

// The UTF-8 text in the ANSI code page of this process (what the program
// writes into its files).
std::string to_ansi(const std::string& utf8);

// A Unix path ("/tmp/x") as Wine sees it ("Z:\tmp\x"); other paths unchanged.
std::string windows_path(const std::string& path);

// The text with control characters shown as \n, \r, \t, \xNN, for logs.
std::string visible(const std::string& text);
