// Hover labels: which button the mouse is over, where the label goes in each
// font, and that the pixels under a label always come back.
#include "entry/toolbar_labels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "solver/workspace.h"

namespace {

// A window surface of distinct pixels. The label "font" is char_width px per
// byte and text_height tall; draw paints the whole saved area, edges
// included, so a restore that forgot an edge shows.
struct Canvas {
    static constexpr int kWidth = 400, kHeight = 120;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kWidth * kHeight);
    int text_height = 12, char_width = 6;
    std::vector<std::string> texts;
    int text_x = 0, text_y = 0;  // where the last text went, relative to its box

    Canvas()
    {
        for (int i = 0; i < kWidth * kHeight; ++i) pixels[i] = 0x10000u + i * 2654435761u;
    }
    static Canvas& of(void* c) { return *static_cast<Canvas*>(c); }
    static std::uint32_t get(void* c, int x, int y) { return of(c).pixels[y * kWidth + x]; }
    static void set(void* c, int x, int y, std::uint32_t colour) { of(c).pixels[y * kWidth + x] = colour; }
    static void measure(void* c, const char* text, int* width, int* height, int* leading)
    {
        *width = static_cast<int>(std::strlen(text)) * of(c).char_width;
        *height = of(c).text_height;
        *leading = 0;
    }
    static void draw(void* c, const LabelRect& box, int text_x, int text_y, const char* text)
    {
        of(c).text_x = text_x - box.left;
        of(c).text_y = text_y - box.top;
        for (int y = box.top; y <= box.bottom; ++y)
            for (int x = box.left; x <= box.right; ++x) set(c, x, y, 0xFFFFFF);
        of(c).texts.push_back(text);
    }
};

TEST(LabelPlacement, BelowTheStripAndCutTo130By30)
{
    const struct {
        int k, japanese, style;
        LabelMetrics m;  // SM_CXBORDER, SM_CYBORDER, caption; text width, height, leading
        LabelRect expected;
    } cases[] = {
        {2, 0, 5, {1, 1, 18, 60, 14, 0}, {50, 51, 117, 71}},
        {9, 1, 0, {2, 2, 19, 48, 12, 2}, {275, 53, 329, 73}},
        {1, 0, 3, {1, 1, 18, 122, 23, 0}, {18, 51, 147, 80}},  // exactly 130 x 30
        {1, 0, 3, {1, 1, 18, 400, 60, 9}, {18, 51, 147, 80}},
    };
    for (const auto& c : cases) {
        const LabelRect r = place_label(c.k, label_font(c.japanese, c.style), c.m);
        const LabelRect& e = c.expected;
        EXPECT_EQ(std::make_tuple(r.left, r.top, r.right, r.bottom),
                  std::make_tuple(e.left, e.top, e.right, e.bottom))
            << "label " << c.k << ", text " << c.m.text_width << " x " << c.m.text_height;
    }
}

class ToolbarLabels : public ::testing::Test {
protected:
    Canvas canvas;
    const Canvas original;
    LabelStore store{};
    LabelSurface surface{};
    static constexpr int kBorder = 1;

    void SetUp() override
    {
        reset_workspace();
        surface = {&canvas, Canvas::get, Canvas::set, Canvas::measure, Canvas::draw,
                   kBorder, kBorder, 18, label_font(0, 5)};
    }

    void move(int x, int y) { track_label(store, x, y, surface); }

    // Every pixel outside the label shown (if any) is the original one.
    ::testing::AssertionResult only_the_label_differs() const
    {
        const LabelRect& r = store.rect;
        for (int i = 0; i < Canvas::kWidth * Canvas::kHeight; ++i) {
            const int x = i % Canvas::kWidth, y = i / Canvas::kWidth;
            const bool inside = r.left != 0 && x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
            if (!inside && canvas.pixels[i] != original.pixels[i])
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") was not put back";
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(ToolbarLabels, MovingTheMouseShowsOneLabelAtATime)
{
    // The strip is border + 1 .. border + 20 high, the buttons x = 16 .. 303.
    // A view change sets state 1 without drawing: leaving must not touch pixels.
    ws.hover_label_state = kLabelInput;
    const struct {
        int x, y, state;
    } path[] = {
        {30, 11, 1},  {15, 11, 0},  {16, 11, 1}, {47, 11, 1}, {48, 11, 2},
        {80, 11, 3},  {144, 11, 5}, {303, 11, 9}, {304, 11, 0},
        {50, 21, 2},  {50, 22, 0},  {50, 21, 2}, {50, 1, 0},  // the buttons' top row is off
        {120, 6, 4},  {120, 200, 0},                          // down into the fields
    };
    for (const auto& p : path) {
        move(p.x, p.y);
        EXPECT_EQ(ws.hover_label_state, p.state) << "at (" << p.x << ", " << p.y << ")";
        EXPECT_TRUE(only_the_label_differs()) << "at (" << p.x << ", " << p.y << ")";
    }
    // Staying within a button's range draws nothing more.
    EXPECT_EQ(canvas.texts.size(), 8u);
    EXPECT_EQ(canvas.pixels, original.pixels);
}

TEST_F(ToolbarLabels, FontsAndTextsPerLanguageAndLook)
{
    const struct {
        int japanese, style, height, charset, extra, text_x, text_y;
        const char *face, *text;
    } fonts[] = {
        {1, 5, 12, 128, 1, 3, 3, "ＭＳゴシック", "設定"},
        {0, 2, 12, 255, 2, 3, 2, "Helv", "Setting"},  // the Windows 9x looks
        {0, 3, 14, 255, 2, 4, 2, "Helv", "Setting"},  // the NT ones
        {0, 7, 14, 255, 2, 4, 2, "Helv", "Setting"},
    };
    for (const auto& f : fonts) {
        ws.ui_japanese = f.japanese;
        surface.font = label_font(f.japanese, f.style);
        show_label(store, 3, surface);
        const LabelFont& font = surface.font;
        EXPECT_EQ(std::make_tuple(font.height, font.charset, font.extra_width, canvas.text_x,
                                  canvas.text_y, std::string(font.face), canvas.texts.back()),
                  std::make_tuple(f.height, f.charset, f.extra, f.text_x, f.text_y,
                                  std::string(f.face), std::string(f.text)))
            << "japanese " << f.japanese << ", style " << f.style;
    }
}

TEST_F(ToolbarLabels, RepaintsBringBackOnlyTheInputAndSolutionLabelsAndLeaveNoGhost)
{
    move(60, kBorder + 5);  // "Read Data" up; the repaints below draw over it unerased
    const struct {
        int state;
        const char* text;
    } modes[] = {{1, "Input Coefficients"}, {4, "Solution"}, {2, nullptr}, {0, nullptr}};
    for (const auto& m : modes) {
        canvas.texts.clear();
        ws.hover_label_state = m.state;
        show_mode_label(store, surface);
        EXPECT_EQ(canvas.texts, m.text ? std::vector<std::string>{m.text}
                                       : std::vector<std::string>{})
            << "state " << m.state;
        EXPECT_TRUE(only_the_label_differs()) << "state " << m.state;
    }
    hide_label(store, surface);
    EXPECT_EQ(canvas.pixels, original.pixels);
}

TEST_F(ToolbarLabels, AHugeFontStaysInsideTheBackingStore)
{
    canvas.char_width = 20;  // "Input Coefficients" would be 360 px wide
    canvas.text_height = 40;
    move(20, kBorder + 5);
    EXPECT_EQ(std::make_tuple(store.rect.right - store.rect.left + 1, store.rect.bottom - store.rect.top + 1),
              std::make_tuple(kLabelBackingColumns, kLabelBackingRows));
    move(20, 100);
    EXPECT_EQ(canvas.pixels, original.pixels);
}

}  // namespace
