// Pixels: what the screen shows, compared with what the program's own
// bitmaps, the system font or a system icon would draw.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "session.h"

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row from the top
    std::uint32_t at(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
};

// The screen rectangle (x, y, width, height).
Image capture_screen(int x, int y, int width, int height);

// The header of a top-down 32-bit DIB of that size, the form every picture
// here is compared in.
BITMAPINFO top_down_dib(int width, int height);

// A bitmap resource of the program file; false when it has none by that name.
bool program_bitmap(const std::wstring& program_path, const std::string& name, Image* image);

// text in the system font, black on white, at the top-left of width x height.
Image system_font_text(const std::wstring& text, int width, int height);

// Writes the image as a 32-bit BMP file (for looking at a failed check).
bool save_image(const Image& image, const std::string& path);

// Pixels of screen that differ from expected at (ex, ey) over screen's size.
int count_differences(const Image& screen, const Image& expected, int ex, int ey);

// The icon of the open message box is the system's icon of that name:
// "error", "warning", "question" or "information".
bool expect_box_icon(Session& s, HWND box, const std::string& name, std::string* why);
