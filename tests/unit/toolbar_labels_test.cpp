// Hover labels: which button the mouse is over, where the label goes in each
// font, and that the pixels under a label always come back.
#include "entry/toolbar_labels.h"

#include <gtest/gtest.h>

#include <cstring>

#include "solver/workspace.h"

namespace {

// A window surface of distinct pixels and a font of its own; draw paints the whole saved area, edges included, so a
// restore that forgot an edge shows.
struct Canvas {
    struct Font {
        int width, height, leading;  // width 0: 6 px per byte
    } font{0, 12, 0};
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(400 * 120);
    std::vector<std::string> texts;
    int text_x = 0, text_y = 0;

    Canvas()
    {
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = 0x10000u + static_cast<std::uint32_t>(i) * 2654435761u;
    }
    static Canvas& of(void* c) { return *static_cast<Canvas*>(c); }
    static std::uint32_t get(void* c, int x, int y) { return of(c).pixels[y * 400 + x]; }
    static void set(void* c, int x, int y, std::uint32_t colour) { of(c).pixels[y * 400 + x] = colour; }
    static void measure(void* c, const char* text, int* width, int* height, int* leading)
    {
        const Font& font = of(c).font;
        *width = font.width ? font.width : static_cast<int>(std::strlen(text)) * 6;
        *height = font.height;
        *leading = font.leading;
    }
    static void draw(void* c, const LabelRect& box, int text_x, int text_y, const char* text)
    {
        for (int y = box.top; y <= box.bottom; ++y)
            for (int x = box.left; x <= box.right; ++x) set(c, x, y, 0xFFFFFF);
        of(c).texts.push_back(text);
        of(c).text_x = text_x - box.left;
        of(c).text_y = text_y - box.top;
    }
};

class ToolbarLabels : public ::testing::Test {
protected:
    void SetUp() override { reset_workspace(); }
    Canvas canvas;
    const Canvas original;
    LabelStore store{};
    LabelSurface surface{&canvas, Canvas::get, Canvas::set, Canvas::measure, Canvas::draw, 1, 1, 18, label_font(0, 5)};
};

}  // namespace

// Just below the strip, 1 px left of the button, in the font of the
// language and look (Windows 9x: style 0..2); a label larger than the
// backing store (a big system font) is cut to 130 x 30.
TEST_F(ToolbarLabels, PlacementAndFont)
{
    const struct { int k, japanese, style, border, caption; Canvas::Font m; LabelRect r; int size, x, y; } cases[] = {
        // label, language, look, border, caption, text extent; rectangle, font size, text inset
        {2, 0, 5, 1, 18, {0, 14, 0}, {50, 51, 111, 71}, 14, 4, 2},
        {9, 1, 0, 2, 19, {0, 12, 2}, {275, 53, 305, 73}, 12, 3, 3},
        {3, 0, 2, 1, 18, {0, 12, 0}, {82, 51, 131, 69}, 12, 3, 2},
        {1, 0, 3, 1, 18, {122, 23, 0}, {18, 51, 147, 80}, 14, 4, 2},  // exactly 130 x 30
        {1, 0, 3, 1, 18, {123, 24, 0}, {18, 51, 147, 80}, 14, 4, 2},  // one more each way
        {1, 0, 7, 1, 18, {400, 60, 9}, {18, 51, 147, 80}, 14, 4, 2},
    };
    for (const auto& c : cases) {
        ws.ui_japanese = c.japanese;
        surface.font = label_font(c.japanese, c.style);
        surface.border_width = surface.border_height = c.border;
        surface.caption_height = c.caption;
        canvas.font = c.m;
        show_label(store, c.k, surface);
        const LabelRect& r = store.rect;
        EXPECT_EQ(std::make_tuple(r.left, r.top, r.right, r.bottom, surface.font.height, canvas.text_x, canvas.text_y),
                  std::make_tuple(c.r.left, c.r.top, c.r.right, c.r.bottom, c.size, c.x, c.y))
            << "label " << c.k << ", style " << c.style << ", text " << c.m.width << " x " << c.m.height;
        hide_label(store, surface);
        EXPECT_EQ(canvas.pixels, original.pixels);
    }
    EXPECT_EQ(canvas.texts[1], "終了");
}

// The strip is y = 2 .. 21 (border 1), the buttons x = 16 .. 303. A view
// change sets state 1 without drawing: leaving must not touch pixels. After
// a repaint, which draws over a label unerased, only the labels of the views
// come back, and no label is ever saved as the background of another.
TEST_F(ToolbarLabels, MovingTheMouseShowsOneLabelAtATime)
{
    ws.hover_label_state = kLabelInput;
    const struct { int x, y, state; } path[] = {
        {30, 11, 1}, {15, 11, 0}, {16, 11, 1}, {47, 11, 1}, {48, 11, 2}, {80, 11, 3}, {144, 11, 5},
        {303, 11, 9}, {304, 11, 0}, {50, 21, 2}, {50, 22, 0}, {50, 21, 2}, {50, 1, 0}, {120, 6, 4}, {120, 200, 0},
    };
    for (const auto& p : path) {
        track_label(store, p.x, p.y, surface);
        EXPECT_EQ(ws.hover_label_state, p.state) << "at (" << p.x << ", " << p.y << ")";
    }
    EXPECT_EQ(canvas.texts.size(), 8u);  // staying within a button's range draws nothing more
    EXPECT_EQ(canvas.pixels, original.pixels);

    track_label(store, 60, 6, surface);  // "Read Data" up
    const struct { int state; std::vector<std::string> texts; } modes[] = {
        {1, {"Input Coefficients"}}, {4, {"Solution"}}, {2, {}}, {0, {}},
    };
    for (const auto& m : modes) {
        canvas.texts.clear();
        ws.hover_label_state = m.state;
        show_mode_label(store, surface);
        EXPECT_EQ(canvas.texts, m.texts) << "state " << m.state;
    }
    hide_label(store, surface);
    EXPECT_EQ(canvas.pixels, original.pixels);
}
