// Verbs for the settings dialog, the About box and Help: the keys and the
// close box of a dialog, its controls' enabled state, a program started from
// a folder of its own, and the stand-in PDF viewer.
#include <cstdio>
#include <cstdlib>

#include "program.h"
#include "text.h"

static const DWORD kMarkerTimeoutMs = 5000;

// A button of the dialog whose pushed look can mark a place in its queue.
static HWND marker_button(HWND dialog)
{
    HWND marker = GetDlgItem(dialog, IDOK);
    return marker ? marker : GetDlgItem(dialog, IDCANCEL);
}

// Waits until the dialog's thread has handled everything posted to it so
// far: a pushed look posted to the marker button is seen only after the
// messages before it. True also when the dialog closed meanwhile.
static bool drain_posted(Session& s, HWND dialog, HWND marker, std::string* why)
{
    PostMessageW(marker, BM_SETSTATE, TRUE, 0);
    DWORD_PTR state = 0;
    bool seen = wait_until(s, [&] {
        if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return true;
        return SendMessageTimeoutW(marker, BM_GETSTATE, 0, 0, SMTO_ABORTIFHUNG, kMarkerTimeoutMs,
                                   &state) &&
               (state & BST_PUSHED);
    });
    if (IsWindow(marker)) PostMessageW(marker, BM_SETSTATE, FALSE, 0);
    if (!seen) *why = "the dialog did not take its messages";
    return seen;
}

// dialog-key esc|enter: the key as the keyboard gives it to the control
// that has the focus, where the dialog's own loop translates it.
static bool verb_dialog_key(Session& s, const Args& args, std::string* why)
{
    WPARAM key = args[0] == "esc" ? VK_ESCAPE : args[0] == "enter" ? VK_RETURN : 0;
    if (!key) { *why = "unknown key " + args[0]; return false; }
    HWND dialog = find_dialog(s.program.pid);
    if (!dialog) { *why = "no dialog is open"; return false; }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    HWND target = info.hwndFocus ? info.hwndFocus : dialog;
    HWND marker = marker_button(dialog);
    if (!marker) { *why = "the dialog has neither OK nor Cancel"; return false; }
    UINT scan = MapVirtualKeyW(static_cast<UINT>(key), 0);
    PostMessageW(target, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(target, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
    return drain_posted(s, dialog, marker, why);
}

// dialog-close: the close box of the caption.
static bool verb_dialog_close(Session& s, const Args&, std::string* why)
{
    HWND dialog = find_dialog(s.program.pid);
    if (!dialog) { *why = "no dialog is open"; return false; }
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (wait_until(s, [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
        return settle(s, why);
    *why = "the dialog stayed open";
    return false;
}

// dialog-expect-enabled ID 0|1: whether the control takes input (a greyed
// radio button is disabled).
static bool verb_dialog_expect_enabled(Session& s, const Args& args, std::string* why)
{
    HWND dialog = find_dialog(s.program.pid);
    HWND control = dialog ? GetDlgItem(dialog, std::atoi(args[0].c_str())) : nullptr;
    if (!control) { *why = "no dialog control " + args[0]; return false; }
    const bool want = args[1] == "1";
    if (wait_until(s, [&] { return (IsWindowEnabled(control) != FALSE) == want; })) return true;
    *why = "control " + args[0] + (want ? " is disabled" : " is enabled");
    return false;
}

static std::wstring beside_driver(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L'\\') + 1) + name;
}

// The folder the program of this scenario was started from by start-from.
static std::wstring started_folder;

// start-from FOLDER [NAME]: a copy of the program, named NAME (its own name
// by default), in the scratch folder FOLDER, started from there; the help
// documents are looked for beside it. FOLDER "=N" is a folder named so that
// the program's directory, with its final backslash, is N characters long.
static bool verb_start_from(Session& s, const Args& args, std::string* why)
{
    std::wstring folder = widen(s.scratch) + L"\\";
    if (args[0].size() > 1 && args[0][0] == '=') {
        const size_t length = static_cast<size_t>(std::atoi(args[0].c_str() + 1));
        if (length < folder.size() + 2) { *why = "directory length too short"; return false; }
        folder += std::wstring(length - folder.size() - 1, L'd');
    } else {
        folder += widen(args[0]);
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring original = s.program_path;
    std::wstring name = args.size() > 1 ? widen(args[1])
                                        : original.substr(original.find_last_of(L'\\') + 1);
    std::wstring copy = folder + L"\\" + name;
    if (!CopyFileW(original.c_str(), copy.c_str(), FALSE)) {
        *why = "cannot copy the program to " + narrow(copy);
        return false;
    }
    started_folder = folder;
    s.program_path = copy;
    bool started = start_program(s, why);
    s.program_path = original;
    return started;
}

// write-beside NAME TEXT: a file beside the program that start-from started.
static bool verb_write_beside(Session&, const Args& args, std::string* why)
{
    if (started_folder.empty()) { *why = "no program was started by start-from"; return false; }
    FILE* f = _wfopen((started_folder + L"\\" + widen(args[0])).c_str(), L"wb");
    if (!f) { *why = "cannot write " + args[0]; return false; }
    std::fwrite(args[1].data(), 1, args[1].size(), f);
    std::fclose(f);
    return true;
}

// install-pdf-viewer: puts pdf_recorder.exe (built beside the driver) into
// the scratch folder; a scenario then registers it for PDF documents. It
// writes the command line it was started with to pdf_opened.txt there,
// which starts empty.
static bool verb_install_pdf_viewer(Session& s, const Args&, std::string* why)
{
    DeleteFileW(widen(s.scratch + "\\pdf_opened.txt").c_str());
    std::wstring target = widen(s.scratch + "\\pdf_recorder.exe");
    if (CopyFileW(beside_driver(L"pdf_recorder.exe").c_str(), target.c_str(), FALSE)) return true;
    *why = "cannot copy pdf_recorder.exe into the scratch folder";
    return false;
}

void add_dialog_verbs(std::vector<Verb>& verbs)
{
    verbs.insert(verbs.end(), {
        {"dialog-key", 1, 1, "dialog-key esc|enter", verb_dialog_key},
        {"dialog-close", 0, 0, "dialog-close", verb_dialog_close},
        {"dialog-expect-enabled", 2, 2, "dialog-expect-enabled ID 0|1",
         verb_dialog_expect_enabled},
        {"start-from", 1, 2, "start-from FOLDER [NAME]", verb_start_from},
        {"write-beside", 2, 2, "write-beside NAME TEXT", verb_write_beside},
        {"install-pdf-viewer", 0, 0, "install-pdf-viewer", verb_install_pdf_viewer},
    });
}
