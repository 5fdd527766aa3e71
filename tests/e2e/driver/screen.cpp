// Screen captures and reference drawings, in 32-bit top-down bitmaps.
#include "screen.h"

#include <cstdio>
#include <map>

#include "text.h"

BITMAPINFO top_down_dib(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

template <class Draw>
static Image render(int width, int height, Draw draw)
{
    Image image;
    if (width <= 0 || height <= 0) return image;
    BITMAPINFO info = top_down_dib(width, height);
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ previous = SelectObject(dc, dib);
        draw(dc);
        GdiFlush();
        image.width = width;
        image.height = height;
        auto* p = static_cast<const std::uint32_t*>(bits);
        image.pixels.assign(p, p + width * height);
        SelectObject(dc, previous);
    }
    if (dib) DeleteObject(dib);
    DeleteDC(dc);
    return image;
}

Image capture_screen(int x, int y, int width, int height)
{
    return render(width, height, [&](HDC dc) {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screen, x, y, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

bool program_bitmap(const std::wstring& program_path, const std::string& name, Image* image)
{
    static std::map<std::wstring, HMODULE> modules;
    HMODULE& module = modules[program_path];
    if (!module) module = LoadLibraryExW(program_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(module, widen(name).c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (!bitmap) return false;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    *image = render(info.bmWidth, info.bmHeight, [&](HDC dc) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, bitmap);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    });
    DeleteObject(bitmap);
    return image->width > 0;
}

Image system_font_text(const std::wstring& text, int width, int height)
{
    return render(width, height, [&](HDC dc) {
        RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, OPAQUE);
        TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    });
}

bool save_image(const Image& image, const std::string& path)
{
    FILE* f = _wfopen(widen(path).c_str(), L"wb");
    if (!f) return false;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = -image.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    DWORD bytes = static_cast<DWORD>(image.pixels.size() * 4);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info, sizeof info, 1, f);
    std::fwrite(image.pixels.data(), 1, bytes, f);
    std::fclose(f);
    return true;
}

int count_differences(const Image& screen, const Image& expected, int ex, int ey)
{
    int differences = 0;
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x) {
            int bx = ex + x, by = ey + y;
            bool inside = bx >= 0 && by >= 0 && bx < expected.width && by < expected.height;
            if (!inside || screen.at(x, y) != expected.at(bx, by)) ++differences;
        }
    return differences;
}

static LPCWSTR system_icon(const std::string& name)
{
    if (name == "error") return IDI_HAND;
    if (name == "warning") return IDI_EXCLAMATION;
    if (name == "question") return IDI_QUESTION;
    if (name == "information") return IDI_ASTERISK;
    return nullptr;
}

static HWND icon_control(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
            return child;
    return nullptr;
}

// Icons may be partly transparent: only the pixels that come out the same on
// black and on white are compared.
bool expect_box_icon(Session& s, HWND box, const std::string& name, std::string* why)
{
    LPCWSTR id = system_icon(name);
    if (!id) { *why = "no icon called " + name; return false; }
    HWND control = icon_control(box);
    if (!control) { *why = "the box shows no icon"; return false; }
    RECT r{};
    GetClientRect(control, &r);
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    HICON icon = LoadIconW(nullptr, id);
    auto draw_on = [&](int brush) {
        return render(r.right, r.bottom, [&](HDC dc) {
            FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(brush)));
            DrawIconEx(dc, 0, 0, icon, r.right, r.bottom, 0, nullptr, DI_NORMAL);
        });
    };
    Image on_black = draw_on(BLACK_BRUSH), on_white = draw_on(WHITE_BRUSH);
    int compared = 0, differences = 0;
    bool same = wait_until(s, [&] {
        Image screen = capture_screen(origin.x, origin.y, r.right, r.bottom);
        compared = differences = 0;
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x) {
                if (on_black.at(x, y) != on_white.at(x, y)) continue;
                ++compared;
                if (screen.at(x, y) != on_black.at(x, y)) ++differences;
            }
        return compared > 0 && differences == 0;
    });
    if (!same)
        *why = "the icon is not the " + name + " icon (" + std::to_string(differences) + " of " +
               std::to_string(compared) + " pixels differ)";
    return same;
}
