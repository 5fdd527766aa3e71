// Exclusive files under random names, with the C runtime only.
#include "files/temporary_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <cstring>

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#define getpid _getpid
constexpr int kNewFileMode = S_IREAD | S_IWRITE;
#else
#include <unistd.h>
// As fopen creates a file: what the umask allows of read and write for all.
constexpr int kNewFileMode = 0666;
#endif

#ifndef O_BINARY
#define O_BINARY 0
#endif

namespace {

std::uint64_t mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// 64 random bits: the system's random device where there is one; else the
// clock's finest tick, the process and an address, which another program
// cannot read off.
std::uint64_t random_bits()
{
    static std::uint64_t calls = 0;
    std::uint64_t bits = 0;
    if (std::FILE* device = std::fopen("/dev/urandom", "rb")) {
        if (std::fread(&bits, sizeof bits, 1, device) != 1) bits = 0;
        std::fclose(device);
    }
    const auto tick = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    int local = 0;
    return mix(bits ^ mix(tick ^ mix(static_cast<std::uint64_t>(getpid()) ^
                                     mix(reinterpret_cast<std::uintptr_t>(&local) ^ ++calls))));
}

}  // namespace

bool random_temporary_name(const char* stem, char* name, std::size_t capacity)
{
    const unsigned long long bits = random_bits() & 0xFFFFFFFFFFFFull;
    const int length = std::snprintf(name, capacity, "%s%012llx", stem, bits);
    return length > 0 && static_cast<std::size_t>(length) < capacity;
}

std::FILE* create_temporary_file(const char* stem, char* name, std::size_t capacity)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        if (!random_temporary_name(stem, name, capacity)) return nullptr;
        // O_EXCL: a file or a link of that name, made meanwhile by anyone,
        // makes this fail instead of being opened or followed.
        const int fd = open(name, O_WRONLY | O_CREAT | O_EXCL | O_BINARY, kNewFileMode);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return nullptr;
        }
        if (std::FILE* file = fdopen(fd, "wb")) return file;
        close(fd);
        std::remove(name);
        return nullptr;
    }
    return nullptr;
}

bool copy_file_bytes(std::FILE* from, std::FILE* to)
{
    char buffer[1 << 14];
    bool ok = true;
    for (std::size_t n; ok && (n = std::fread(buffer, 1, sizeof buffer, from)) > 0;)
        ok = std::fwrite(buffer, 1, n, to) == n;
    return ok && !std::ferror(from);
}
