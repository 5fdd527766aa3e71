// A stand-in PDF viewer for the tests of Help: records the command line it
// was started with in pdf_opened.txt beside itself, and ends.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH + 32] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    char* slash = std::strrchr(path, '\\');
    if (!slash) return 1;
    std::strcpy(slash + 1, "pdf_opened.txt");
    FILE* out = std::fopen(path, "ab");
    if (!out) return 1;
    std::fprintf(out, "%s\r\n", GetCommandLineA());
    std::fclose(out);
    return 0;
}
