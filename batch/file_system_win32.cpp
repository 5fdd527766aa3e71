// The files of drovu-solve on Windows: names are UTF-8 inside the program
// and UTF-16 at the system, so any Unicode name works. Only calls that
// Windows XP already had.
#include "batch/file_system.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cerrno>
#include <vector>

#include "files/temporary_file.h"

static std::wstring wide(const char* utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) : 1, L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &text[0], length);
    text.resize(text.size() - 1);
    return text;
}

static std::string narrow(const wchar_t* text, UINT code_page)
{
    const int length = WideCharToMultiByte(code_page, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(length > 0 ? static_cast<std::size_t>(length) : 1, '\0');
    if (length > 0) WideCharToMultiByte(code_page, 0, text, -1, &bytes[0], length, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}

bool system_speaks_japanese()
{
    return GetACP() == 932;
}

void binary_standard_streams()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
}

char** program_arguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide_argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide_argv || count != argc) return argv;
    static std::vector<std::string> names;
    static std::vector<char*> pointers;
    for (int i = 0; i < count; ++i) names.push_back(narrow(wide_argv[i], CP_UTF8));
    for (std::string& name : names) pointers.push_back(&name[0]);
    pointers.push_back(nullptr);
    LocalFree(wide_argv);
    return pointers.data();
}

const char* shown_name(const char* name)
{
    static std::string shown;
    shown = narrow(wide(name).c_str(), CP_ACP);
    return shown.c_str();
}

std::FILE* open_input(const char* name, InputError* error)
{
    const std::wstring w = wide(name);
    const DWORD attributes = GetFileAttributesW(w.c_str());
    std::FILE* file = nullptr;
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        *error = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? InputError::Missing
                                                                             : InputError::Unreadable;
        return nullptr;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) file = _wfopen(w.c_str(), L"rb");
    *error = file ? InputError::None : InputError::Unreadable;
    return file;
}

// What the system knows of an existing name: a handle that asks for no
// access, so it opens folders and files of any permission too; the console
// (CON) opens only for reading or writing.
static bool file_information(const std::wstring& name, DWORD* type, BY_HANDLE_FILE_INFORMATION* info)
{
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE h = CreateFileW(name.c_str(), 0, share, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        h = CreateFileW(name.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    *type = GetFileType(h);
    const bool known = GetFileInformationByHandle(h, info) != 0;
    CloseHandle(h);
    return known || *type != FILE_TYPE_DISK;
}

bool same_file(const char* a, const char* b)
{
    DWORD type_a, type_b;
    BY_HANDLE_FILE_INFORMATION x = {}, y = {};
    return file_information(wide(a), &type_a, &x) && file_information(wide(b), &type_b, &y) &&
           type_a == FILE_TYPE_DISK && type_b == FILE_TYPE_DISK &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
           x.nFileIndexLow == y.nFileIndexLow;
}

// The temporary file Ctrl+C must not leave behind. The file is open with
// delete sharing, so the handler can remove it while it is being written.
static wchar_t pending_removal[32768];

static BOOL WINAPI remove_on_break(DWORD)
{
    if (pending_removal[0]) DeleteFileW(pending_removal);
    return FALSE;  // the default handler ends the program
}

static std::FILE* create_temporary(const std::string& stem, std::string* name)
{
    char text[32768];
    for (int attempt = 0; attempt < 16; ++attempt) {
        if (!random_temporary_name(stem.c_str(), text, sizeof text)) return nullptr;
        const std::wstring w = wide(text);
        HANDLE h = CreateFileW(w.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return nullptr;
        }
        lstrcpynW(pending_removal, w.c_str(), sizeof pending_removal / sizeof pending_removal[0]);
        SetConsoleCtrlHandler(remove_on_break, TRUE);
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
        std::FILE* file = fd >= 0 ? _fdopen(fd, "wb") : nullptr;
        if (file) {
            *name = text;
            return file;
        }
        if (fd >= 0) _close(fd); else CloseHandle(h);
        DeleteFileW(w.c_str());
        return nullptr;
    }
    return nullptr;
}

bool open_output_file(const char* name, OutputFile* out)
{
    *out = OutputFile();
    out->target = name;
    const std::wstring w = wide(name);
    DWORD type = FILE_TYPE_DISK;
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool exists = file_information(w, &type, &info);
    if (exists && type != FILE_TYPE_DISK) {  // NUL, CON, a pipe
        out->stream = _wfopen(w.c_str(), L"wb");
        return out->stream != nullptr;
    }
    if (exists && (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return false;
    out->copy_back = exists && info.nNumberOfLinks > 1;
    const std::size_t slash = out->target.find_last_of("\\/:");
    const std::string stem = (slash == std::string::npos ? "" : out->target.substr(0, slash + 1)) + "~drovu-";
    out->stream = create_temporary(stem, &out->temporary);
    return out->stream != nullptr;
}

static bool copy_into_target(const OutputFile& out)
{
    std::FILE* from = _wfopen(wide(out.temporary.c_str()).c_str(), L"rb");
    std::FILE* to = from ? _wfopen(wide(out.target.c_str()).c_str(), L"r+b") : nullptr;
    bool ok = to != nullptr && _chsize(_fileno(to), 0) == 0 && copy_file_bytes(from, to);
    if (to && std::fclose(to) != 0) ok = false;
    if (from) std::fclose(from);
    return ok;
}

bool close_output_file(OutputFile* out, bool keep)
{
    const bool written = !std::ferror(out->stream);
    bool ok = std::fclose(out->stream) == 0 && written;
    out->stream = nullptr;
    if (out->temporary.empty()) return ok;
    const std::wstring temporary = wide(out->temporary.c_str());
    bool moved = false;
    if (ok && keep && out->copy_back) {
        ok = copy_into_target(*out);
    } else if (ok && keep) {
        ok = moved = MoveFileExW(temporary.c_str(), wide(out->target.c_str()).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!moved) DeleteFileW(temporary.c_str());
    SetConsoleCtrlHandler(remove_on_break, FALSE);
    pending_removal[0] = L'\0';
    return ok;
}
