// Verbs that prepare and inspect the program's world: files in the scratch
// folder and registry values (undone when the scenario ends).
#include <cstdio>

#include "program.h"
#include "text.h"

static std::string scratch_path(const Session& s, const std::string& path)
{
    bool absolute = path.size() > 1 && (path[1] == ':' || path[0] == '\\' || path[0] == '/');
    return absolute ? windows_path(path) : s.scratch + "\\" + path;
}

// The text goes to the file in the ANSI code page, as the program reads it.
static bool verb_write_file(Session& s, const Args& args, std::string* why)
{
    FILE* f = _wfopen(widen(scratch_path(s, args[0])).c_str(), L"wb");
    if (!f) { *why = "cannot write " + args[0]; return false; }
    std::string bytes = to_ansi(args[1]);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return true;
}

static bool read_file(const std::string& path, std::string* bytes)
{
    FILE* f = _wfopen(widen(path).c_str(), L"rb");
    if (!f) return false;
    bytes->clear();
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes->append(chunk, n);
    std::fclose(f);
    return true;
}

// The file holds exactly TEXT in the ANSI code page ("-" for: no such file).
static bool verb_expect_file(Session& s, const Args& args, std::string* why)
{
    std::string path = scratch_path(s, args[0]);
    std::string bytes;
    bool exists = false;
    bool want_none = args[1] == "-";
    std::string expected = to_ansi(args[1]);
    if (wait_until(s, [&] {
            exists = read_file(path, &bytes);
            return want_none ? !exists : exists && bytes == expected;
        }))
        return true;
    if (want_none) *why = args[0] + " exists";
    else if (!exists) *why = "no file " + args[0];
    else *why = args[0] + " holds \"" + visible(bytes) + "\", expected \"" + visible(expected) + "\"";
    return false;
}

static bool open_machine_key(const std::string& name, HKEY* key)
{
    std::string path = name;
    for (char& c : path)
        if (c == '/') c = '\\';
    const std::string prefix = "HKLM\\";
    if (path.compare(0, prefix.size(), prefix) != 0) return false;
    return RegCreateKeyExW(HKEY_LOCAL_MACHINE, widen(path.substr(prefix.size())).c_str(), 0,
                           nullptr, 0, KEY_ALL_ACCESS, nullptr, key, nullptr) == ERROR_SUCCESS;
}

static bool back_up(Session& s, const std::string& key_name, const std::string& value, HKEY key)
{
    for (const RegistryBackup& b : s.registry)
        if (b.key == key_name && b.value == value) return true;
    RegistryBackup backup{key_name, value, false, 0, {}};
    DWORD size = 0;
    std::wstring wide_value = widen(value);
    if (RegQueryValueExW(key, wide_value.c_str(), nullptr, &backup.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        backup.existed = true;
        backup.data.resize(size);
        RegQueryValueExW(key, wide_value.c_str(), nullptr, &backup.type, backup.data.data(), &size);
    }
    s.registry.push_back(backup);
    return true;
}

// registry-set "HKLM/KEY/PATH" VALUE DATA: a string value; '/' separates keys.
static bool verb_registry_set(Session& s, const Args& args, std::string* why)
{
    HKEY key;
    if (!open_machine_key(args[0], &key)) { *why = "cannot open " + args[0]; return false; }
    back_up(s, args[0], args[1], key);
    std::wstring data = widen(args[2]);
    LONG result = RegSetValueExW(key, widen(args[1]).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) *why = "cannot set " + args[1];
    return result == ERROR_SUCCESS;
}

static bool verb_registry_delete(Session& s, const Args& args, std::string* why)
{
    HKEY key;
    if (!open_machine_key(args[0], &key)) { *why = "cannot open " + args[0]; return false; }
    back_up(s, args[0], args[1], key);
    RegDeleteValueW(key, widen(args[1]).c_str());
    RegCloseKey(key);
    return true;
}

void restore_registry(Session& s)
{
    for (auto b = s.registry.rbegin(); b != s.registry.rend(); ++b) {
        HKEY key;
        if (!open_machine_key(b->key, &key)) continue;
        std::wstring value = widen(b->value);
        if (b->existed)
            RegSetValueExW(key, value.c_str(), 0, b->type, b->data.data(),
                           static_cast<DWORD>(b->data.size()));
        else
            RegDeleteValueW(key, value.c_str());
        RegCloseKey(key);
    }
    s.registry.clear();
}

void add_world_verbs(std::vector<Verb>& verbs)
{
    verbs.insert(verbs.end(), {
        {"write-file", 2, 2, "write-file PATH TEXT", verb_write_file},
        {"expect-file", 2, 2, "expect-file PATH TEXT|-", verb_expect_file},
        {"registry-set", 3, 3, "registry-set HKLM/KEY VALUE DATA", verb_registry_set},
        {"registry-delete", 2, 2, "registry-delete HKLM/KEY VALUE", verb_registry_delete},
    });
}
