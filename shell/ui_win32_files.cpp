// The file services of the platform seam for Win32: the common file dialogs,
// the kind of a drive, its free space, and putting a finished file in place.
#include <windows.h>

#include <commdlg.h>

#include <cstddef>
#include <cstdint>

#include "files/file_texts.h"
#include "platform/ui.h"
#include "solver/workspace.h"

static_assert(kDriveUnknown == DRIVE_UNKNOWN && kDriveNoRootDir == DRIVE_NO_ROOT_DIR &&
                  kDriveRemovable == DRIVE_REMOVABLE && kDriveFixed == DRIVE_FIXED &&
                  kDriveRemote == DRIVE_REMOTE && kDriveCdrom == DRIVE_CDROM &&
                  kDriveRamdisk == DRIVE_RAMDISK,
              "drive kinds as GetDriveType reports them");
static_assert(kReadDialogFlags == (OFN_PATHMUSTEXIST | OFN_HIDEREADONLY), "Read Data dialog");
static_assert(kSaveDialogFlags == (OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
              "Save Data dialog");
// The dialog structure as Windows 95 knew it. Every later Windows takes it
// as well (it then leaves out the places bar), so one program serves all.
constexpr DWORD kDialogStructSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(kDialogStructSize == 76, "the structure up to lpTemplateName, as Windows 95 knew it");
#endif

static OPENFILENAMEA dialog_setup(const FileDialogRequest& request)
{
    OPENFILENAMEA ofn;
    ZeroMemory(&ofn, sizeof ofn);
    ofn.lStructSize = kDialogStructSize;
    ofn.hwndOwner = static_cast<HWND>(request.owner);
    ofn.lpstrFilter = request.filter;
    ofn.lpstrFile = request.file_name;
    ofn.nMaxFile = static_cast<DWORD>(request.file_name_size);
    ofn.lpstrTitle = request.title;
    ofn.Flags = request.flags;
    ofn.lpstrDefExt = request.def_ext;
    return ofn;
}

bool ui_open_file_dialog(const FileDialogRequest& request)
{
    OPENFILENAMEA ofn = dialog_setup(request);
    return GetOpenFileNameA(&ofn) != 0;
}

bool ui_save_file_dialog(const FileDialogRequest& request)
{
    OPENFILENAMEA ofn = dialog_setup(request);
    return GetSaveFileNameA(&ofn) != 0;
}

unsigned long ui_file_dialog_error()
{
    return CommDlgExtendedError();
}

int ui_drive_type(const char* root_path)
{
    return static_cast<int>(GetDriveTypeA(root_path));
}

// The classic query cannot count past 2 GB, and FAT32 disks of Windows 95
// OSR2 and later, like every NT, know the extended one. Windows 95 before
// OSR2 has no such export, so it is looked up rather than linked.
static bool wants_extended_query()
{
    if (ws.os_style_code != 0) return true;
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && LOWORD(version.dwBuildNumber) > 1000;
}

using FreeSpaceExA = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

static bool extended_free_bytes(const char* root_path, std::uint64_t* free_bytes)
{
    char path[256 + sizeof "\\KERNEL32.DLL"];
    UINT length = GetSystemDirectoryA(path, 256);
    if (length == 0 || length >= 256) return false;
    lstrcatA(path, "\\KERNEL32.DLL");
    HMODULE kernel = LoadLibraryA(path);
    if (!kernel) return false;
    auto query = reinterpret_cast<FreeSpaceExA>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetDiskFreeSpaceExA")));
    ULARGE_INTEGER to_caller, total, total_free;
    bool ok = query && query(root_path, &to_caller, &total, &total_free);
    if (ok) *free_bytes = to_caller.QuadPart;
    FreeLibrary(kernel);
    return ok;
}

static bool classic_free_bytes(const char* root_path, std::uint64_t* free_bytes)
{
    DWORD sectors_per_cluster, bytes_per_sector, free_clusters, clusters;
    if (!GetDiskFreeSpaceA(root_path, &sectors_per_cluster, &bytes_per_sector, &free_clusters, &clusters))
        return false;
    *free_bytes = std::uint64_t(sectors_per_cluster) * bytes_per_sector * free_clusters;
    return true;
}

bool ui_free_bytes(const char* root_path, std::uint64_t* free_bytes)
{
    if (wants_extended_query() && extended_free_bytes(root_path, free_bytes)) return true;
    return classic_free_bytes(root_path, free_bytes);
}

// Windows 95, 98 and ME have no MoveFileEx. There the old file is moved
// aside first and put back when the new one cannot take its place.
static bool replace_by_moving_aside(const char* source, const char* target)
{
    if (GetFileAttributesA(target) == INVALID_FILE_ATTRIBUTES) return MoveFileA(source, target) != 0;
    char aside[MAX_PATH + 8];
    if (lstrlenA(target) + 4 >= MAX_PATH) return false;
    for (int i = 0; i < 10; ++i) {
        wsprintfA(aside, "%s.~%c", target, 'a' + i);
        if (GetFileAttributesA(aside) != INVALID_FILE_ATTRIBUTES) continue;
        if (!MoveFileA(target, aside)) return false;
        if (MoveFileA(source, target)) {
            DeleteFileA(aside);
            return true;
        }
        MoveFileA(aside, target);
        return false;
    }
    return false;
}

bool ui_replace_file(const char* source, const char* target)
{
    if (MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
    return replace_by_moving_aside(source, target);
}
