// The scripted platform of the unit tests.
#include "tests/unit/fake_ui.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "solver/workspace.h"

FakeUi fake;

void reset_fake_ui()
{
    fake.~FakeUi();
    new (&fake) FakeUi();
    reset_workspace();
    for (int r = 0; r < kRows; ++r) {
        ws.field_re[r] = &fake.field_text[r];
        ws.field_im[r] = &fake.field_text[kRows + r];
    }
    ws.main_window = &fake.main_window_tag;
}

int fake_field_id(UiHandle window)
{
    for (int i = 0; i < 2 * kRows; ++i)
        if (window == &fake.field_text[i]) return 101 + i;
    return 0;
}

const std::string& fake_field(int control_id)
{
    return fake.field_text[control_id - 101];
}

static void notify(int id)
{
    if (id && fake.field_notification) fake.field_notification(id);
}

void fake_type(int control_id, const std::string& text)
{
    for (char c : text) {
        std::string& field = fake.field_text[control_id - 101];
        if (field.size() >= 15) continue;  // the field refuses a sixteenth character
        field += c;
        notify(control_id);
    }
}

int ui_get_text(UiHandle window, char* buf, int capacity)
{
    if (capacity <= 0) return 0;
    int id = fake_field_id(window);
    std::string text = id ? fake_field(id) : std::string();
    int n = static_cast<int>(text.size());
    if (n > capacity - 1) n = capacity - 1;
    std::memcpy(buf, text.data(), static_cast<std::size_t>(n));
    buf[n] = '\0';
    return n;
}

void ui_set_text(UiHandle window, const char* text)
{
    ++fake.set_text_calls;
    int id = fake_field_id(window);
    if (!id) return;
    fake.field_text[id - 101] = text;
    notify(id);
}

void ui_select_all(UiHandle field)
{
    fake.select_alls.push_back(fake_field_id(field));
}

int ui_message_box(UiHandle owner, const char* text, const char* caption, unsigned style)
{
    fake.message_boxes.push_back({owner, text, caption, style});
    if (!fake.message_replies.empty()) {
        int reply = fake.message_replies.front();
        fake.message_replies.pop_front();
        return reply;
    }
    return (style & 0xF) == kMbYesNo ? kIdYes : kIdOk;
}

void ui_set_cursor(int cursor_id)
{
    fake.cursors.push_back(cursor_id);
}

void ui_repaint(UiHandle window, int left, int top, int right, int bottom)
{
    fake.repaints.push_back({window, left, top, right, bottom});
}

void ui_shift_fields(int dx)
{
    fake.field_shifts.push_back(dx);
}

void ui_release_splash()
{
    ++fake.splash_releases;
}

void ui_sleep(unsigned milliseconds)
{
    fake.sleeps.push_back(milliseconds);
}

static bool file_dialog(const FileDialogRequest& request)
{
    fake.dialog_requests.push_back(request);
    fake.dialog_titles.push_back(request.title ? request.title : "");
    std::string filter;
    for (const char* p = request.filter; p && *p; p += std::strlen(p) + 1) {
        filter += p;
        filter += '|';
    }
    fake.dialog_filters.push_back(filter);
    fake.dialog_def_exts.push_back(request.def_ext ? request.def_ext : "");
    std::string path;
    if (!fake.dialog_paths.empty()) {
        path = fake.dialog_paths.front();
        fake.dialog_paths.pop_front();
    }
    if (path.empty()) return false;
    std::strncpy(request.file_name, path.c_str(), static_cast<std::size_t>(request.file_name_size) - 1);
    request.file_name[request.file_name_size - 1] = '\0';
    return true;
}

bool ui_open_file_dialog(const FileDialogRequest& request) { return file_dialog(request); }
bool ui_save_file_dialog(const FileDialogRequest& request) { return file_dialog(request); }
unsigned long ui_file_dialog_error() { return fake.dialog_error; }

int ui_drive_type(const char* root_path)
{
    fake.drive_queries.push_back(root_path);
    return fake.drive_type;
}

bool ui_free_bytes(const char*, std::uint64_t* free_bytes)
{
    *free_bytes = fake.free_bytes;
    return fake.free_bytes_known;
}

bool ui_replace_file(const char* source, const char* target)
{
    if (fake.replace_fails) return false;
    return std::rename(source, target) == 0;
}
