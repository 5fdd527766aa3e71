// The files of drovu-solve on POSIX systems.
#include "batch/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include "files/temporary_file.h"

bool system_speaks_japanese()
{
    return false;
}

void binary_standard_streams() {}

char** program_arguments(int, char** argv)
{
    return argv;
}

const char* shown_name(const char* name)
{
    return name;
}

std::FILE* open_input(const char* name, InputError* error)
{
    *error = InputError::None;
    struct stat info;
    // fopen opens a folder for reading here, and the reading fails later.
    const bool folder = stat(name, &info) == 0 && S_ISDIR(info.st_mode);
    std::FILE* file = folder ? nullptr : std::fopen(name, "rb");
    // errno speaks of fopen alone: for a folder it still holds an earlier
    // file's answer, which may be "no such file".
    if (!file) *error = !folder && (errno == ENOENT || errno == ENOTDIR) ? InputError::Missing : InputError::Unreadable;
    return file;
}

bool same_file(const char* a, const char* b)
{
    struct stat x, y;
    return stat(a, &x) == 0 && stat(b, &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

// The name a chain of symbolic links ends in; the name itself when it is no
// link. A dangling link gives the name it points to, which the output then
// creates. Relative links count from their own folder.
static std::string follow_links(std::string name)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info;
        if (lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
        std::string to(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1, '\0');
        const ssize_t length = readlink(name.c_str(), &to[0], to.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= to.size()) break;
        to.resize(static_cast<std::size_t>(length));
        const std::size_t slash = name.rfind('/');
        name = to[0] == '/' || slash == std::string::npos ? to : name.substr(0, slash + 1) + to;
    }
    return name;
}

// The temporary file a signal must not leave behind. A signal handler may
// only read it, so it is a fixed buffer set before the handlers go in.
static char pending_removal[PATH_MAX + 32];

extern "C" void remove_and_die(int signal_number)
{
    if (pending_removal[0]) unlink(pending_removal);
    std::signal(signal_number, SIG_DFL);
    raise(signal_number);
}

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A signal the program was started to ignore (nohup, a background job's
// SIGINT) stays ignored.
static void remove_on_signals(const std::string& name)
{
    std::snprintf(pending_removal, sizeof pending_removal, "%s", name.c_str());
    for (int s : kEndingSignals)
        if (std::signal(s, remove_and_die) == SIG_IGN) std::signal(s, SIG_IGN);
}

static void forget_on_signals()
{
    for (int s : kEndingSignals)
        if (std::signal(s, SIG_DFL) == SIG_IGN) std::signal(s, SIG_IGN);
    pending_removal[0] = '\0';
}

bool open_output_file(const char* name, OutputFile* out)
{
    *out = OutputFile();
    out->target = follow_links(name);
    struct stat info;
    const bool exists = stat(out->target.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode)) return false;
        out->stream = std::fopen(out->target.c_str(), "wb");
        return out->stream != nullptr;
    }
    // A file its owner made read-only is not replaced, whoever asks (root
    // may write anything, but the file says it is not to be changed).
    if (exists && ((info.st_mode & 0222) == 0 || access(out->target.c_str(), W_OK) != 0)) return false;
    out->copy_back = exists && info.st_nlink > 1;
    const std::size_t slash = out->target.rfind('/');
    const std::string stem = (slash == std::string::npos ? "" : out->target.substr(0, slash + 1)) + "~drovu-";
    char temporary[PATH_MAX + 32];
    // Signals are held while the name is made and noted, so no window is
    // left in which the new file exists and no handler knows it.
    sigset_t held, before;
    sigemptyset(&held);
    for (int s : kEndingSignals) sigaddset(&held, s);
    sigprocmask(SIG_BLOCK, &held, &before);
    out->stream = create_temporary_file(stem.c_str(), temporary, sizeof temporary);
    if (out->stream) {
        out->temporary = temporary;
        remove_on_signals(out->temporary);
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
    return out->stream != nullptr;
}

// The new file's bytes into the target itself, which keeps its inode, its
// other names and its permission bits.
static bool copy_into_target(const OutputFile& out)
{
    std::FILE* from = std::fopen(out.temporary.c_str(), "rb");
    std::FILE* to = from ? std::fopen(out.target.c_str(), "r+b") : nullptr;
    bool ok = to != nullptr && ftruncate(fileno(to), 0) == 0 && copy_file_bytes(from, to);
    if (to && std::fclose(to) != 0) ok = false;
    if (from) std::fclose(from);
    return ok;
}

// The replaced file's permission bits, and its owner where that can be
// given (as root), go to the file that replaces it.
static bool take_over_permissions(const OutputFile& out)
{
    struct stat info;
    if (stat(out.target.c_str(), &info) != 0) return true;  // a new file keeps what the umask gave it
    if (chown(out.temporary.c_str(), info.st_uid, info.st_gid) != 0) {
        // Only root may give a file away; the bits are what matter.
    }
    return chmod(out.temporary.c_str(), info.st_mode & 07777) == 0;
}

bool close_output_file(OutputFile* out, bool keep)
{
    const bool written = !std::ferror(out->stream);
    bool ok = std::fclose(out->stream) == 0 && written;
    out->stream = nullptr;
    if (out->temporary.empty()) return ok;
    bool moved = false;
    if (ok && keep && out->copy_back) {
        ok = copy_into_target(*out);
    } else if (ok && keep) {
        ok = moved = take_over_permissions(*out) && std::rename(out->temporary.c_str(), out->target.c_str()) == 0;
    }
    if (!moved) unlink(out->temporary.c_str());
    forget_on_signals();
    return ok;
}
