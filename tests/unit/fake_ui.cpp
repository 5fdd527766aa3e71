// The scripted platform of the unit tests.
#include "tests/unit/fake_ui.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

FakeUi fake;

void reset_fake_ui()
{
    fake = FakeUi();
    reset_workspace();
    for (int r = 0; r < kRows; ++r) {
        ws.field_re[r] = &fake.field[r];
        ws.field_im[r] = &fake.field[kRows + r];
    }
    ws.main_window = &fake;
}

std::string& field(int control_id) { return fake.field[control_id - 101]; }

static int field_id(UiHandle window)
{
    for (int i = 0; i < 2 * kRows; ++i)
        if (window == &fake.field[i]) return 101 + i;
    return 0;
}

static void log(const std::string& line) { fake.log.push_back(line); }
static std::string str(long long value) { return std::to_string(value); }

std::vector<std::string> logged(const std::string& kind)
{
    std::vector<std::string> lines;
    for (const std::string& line : fake.log)
        if (line.compare(0, kind.size() + 1, kind + " ") == 0) lines.push_back(line);
    return lines;
}

void type_into(int control_id, const std::string& text)
{
    for (char c : text) {
        if (field(control_id).size() >= 15) continue;
        field(control_id) += c;
        if (fake.notify) fake.notify(control_id);
    }
}

int ui_get_text(UiHandle window, char* buf, int capacity)
{
    const std::string text = field_id(window) ? field(field_id(window)).substr(0, capacity - 1) : "";
    std::memcpy(buf, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

void ui_set_text(UiHandle window, const char* text)
{
    const int id = field_id(window);
    log("set " + str(id) + " " + text);
    if (id) field(id) = text;
    if (id && fake.notify) fake.notify(id);
}

// "box Caption 0x10: text", the style in hexadecimal.
int ui_message_box(UiHandle, const char* text, const char* caption, unsigned style)
{
    char line[512];
    std::snprintf(line, sizeof line, "box %s %#x: %s", caption, style, text);
    log(line);
    if (fake.replies.empty()) return (style & 0xF) == kMbYesNo ? kIdYes : kIdOk;
    const int reply = fake.replies.front();
    fake.replies.pop_front();
    return reply;
}

void ui_select_all(UiHandle field) { log("select " + str(field_id(field))); }
void ui_set_cursor(int cursor_id) { log("cursor " + str(cursor_id)); }
void ui_repaint(UiHandle, int l, int t, int r, int b)
{
    log("repaint " + str(l) + " " + str(t) + " " + str(r) + " " + str(b));
}
void ui_shift_fields(int dx) { log("shift " + str(dx)); }
void ui_release_splash() { log("release splash"); }
void ui_sleep(unsigned) {}

static bool file_dialog(const char* kind, const FileDialogRequest& request)
{
    log(std::string(kind) + " " + request.title);
    if (fake.paths.empty()) return false;
    const std::string path = fake.paths.front();
    std::snprintf(request.file_name, static_cast<std::size_t>(request.file_name_size), "%s", path.c_str());
    fake.paths.pop_front();
    return true;
}

bool ui_open_file_dialog(const FileDialogRequest& request) { return file_dialog("open", request); }
bool ui_save_file_dialog(const FileDialogRequest& request) { return file_dialog("save", request); }
unsigned long ui_file_dialog_error() { return fake.dialog_error; }

int ui_drive_type(const char* root_path)
{
    log(std::string("drive ") + root_path);
    return fake.drive_type;
}

bool ui_free_bytes(const char*, std::uint64_t* free_bytes)
{
    *free_bytes = fake.free_bytes;
    return fake.free_known;
}

bool ui_replace_file(const char* source, const char* target)
{
    return !fake.replace_fails && std::rename(source, target) == 0;
}

ScratchDir::ScratchDir()
{
    char name[] = "/tmp/drovu-test-XXXXXX";
    folder = mkdtemp(name) ? name : "/nonexistent";
}

ScratchDir::~ScratchDir() { std::filesystem::remove_all(folder); }
std::string ScratchDir::path(const std::string& name) const { return folder + "/" + name; }

std::string ScratchDir::put(const std::string& name, const std::string& bytes) const
{
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
}

std::string ScratchDir::bytes(const std::string& name) const
{
    std::ifstream file(path(name), std::ios::binary);
    return std::filesystem::is_regular_file(path(name)) ? std::string(std::istreambuf_iterator<char>(file), {}) : "";
}

int ScratchDir::count() const
{
    std::filesystem::directory_iterator files(folder);
    return static_cast<int>(std::distance(begin(files), end(files)));
}
