// Hover labels: which button the mouse is over, where the label goes in each
// font, and that the pixels under a label always come back.
#include "entry/toolbar_labels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "solver/workspace.h"

namespace {

// A window surface of plain pixels. The label "font" is 6 px per byte and
// text_height tall; draw paints the whole saved area, edges included, so a
// restore that forgot an edge shows.
struct Canvas {
    static constexpr int kWidth = 400, kHeight = 120;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kWidth * kHeight);
    int text_height = 12, external_leading = 0, char_width = 6;
    std::vector<LabelRect> drawn;
    std::vector<std::string> texts;
    int text_x = 0, text_y = 0;  // where the last text went, relative to its box

    Canvas()
    {
        for (int i = 0; i < kWidth * kHeight; ++i) pixels[i] = 0x10000u + i * 2654435761u;
    }
};

std::uint32_t canvas_get(void* c, int x, int y)
{
    return static_cast<Canvas*>(c)->pixels[y * Canvas::kWidth + x];
}

void canvas_set(void* c, int x, int y, std::uint32_t colour)
{
    static_cast<Canvas*>(c)->pixels[y * Canvas::kWidth + x] = colour;
}

void canvas_measure(void* c, const char* text, int* width, int* height, int* leading)
{
    auto* canvas = static_cast<Canvas*>(c);
    *width = static_cast<int>(std::strlen(text)) * canvas->char_width;
    *height = canvas->text_height;
    *leading = canvas->external_leading;
}

void canvas_draw(void* c, const LabelRect& box, int text_x, int text_y, const char* text)
{
    auto* canvas = static_cast<Canvas*>(c);
    canvas->text_x = text_x - box.left;
    canvas->text_y = text_y - box.top;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x) canvas_set(c, x, y, 0xFFFFFF);
    canvas->drawn.push_back(box);
    canvas->texts.push_back(text);
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
        surface = {&canvas, canvas_get, canvas_set, canvas_measure, canvas_draw,
                   kBorder, kBorder, 18, label_font(0, 5)};
    }

    void move(int x, int y) { track_label(store, x, y, surface); }

    // Every pixel outside the label shown (if any) is the original one.
    ::testing::AssertionResult only_the_label_differs() const
    {
        const LabelRect& r = store.rect;
        for (int y = 0; y < Canvas::kHeight; ++y)
            for (int x = 0; x < Canvas::kWidth; ++x) {
                const bool inside = r.left != 0 && x >= r.left && x <= r.right && y >= r.top &&
                                    y <= r.bottom;
                if (!inside && canvas.pixels[y * Canvas::kWidth + x] !=
                                   original.pixels[y * Canvas::kWidth + x])
                    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y
                                                         << ") was not put back";
            }
        return ::testing::AssertionSuccess();
    }
};

TEST(LabelRanges, EachButtonsColumnsOnTheStripAndNothingElse)
{
    const int b = 1;
    const struct {
        int x, y, label;
    } points[] = {
        {15, b + 1, 0},  {16, b + 1, 1},  {47, b + 1, 1},  {48, b + 1, 2},  {80, b + 10, 3},
        {143, b + 5, 4}, {144, b + 5, 5}, {207, b + 5, 6}, {208, b + 5, 7}, {271, b + 5, 8},
        {303, b + 5, 9}, {304, b + 5, 0}, {-3, b + 5, 0},  {600, b + 5, 0},
        // y = b is the buttons' top row yet counts as off the strip; b + 20 is on it.
        {20, b, 0},      {20, b + 20, 1}, {20, b + 21, 0}, {20, -10, 0},
    };
    for (const auto& p : points)
        EXPECT_EQ(label_under_mouse(p.x, p.y, b), p.label) << "at (" << p.x << ", " << p.y << ")";
}

TEST(LabelFonts, OneFontPerLanguageAndLook)
{
    const struct {
        int japanese, style, height, charset, dx, dy, extra;
        const char* face;
    } fonts[] = {
        {1, 0, 12, 128, 0, 0, 1, "ＭＳゴシック"}, {1, 5, 12, 128, 0, 0, 1, "ＭＳゴシック"},
        {0, 0, 12, 255, 0, -1, 2, "Helv"},          {0, 1, 12, 255, 0, -1, 2, "Helv"},
        {0, 2, 12, 255, 0, -1, 2, "Helv"},          {0, 3, 14, 255, 1, -1, 2, "Helv"},
        {0, 5, 14, 255, 1, -1, 2, "Helv"},          {0, 7, 14, 255, 1, -1, 2, "Helv"},
    };
    for (const auto& f : fonts) {
        const LabelFont font = label_font(f.japanese, f.style);
        const std::string at = "japanese " + std::to_string(f.japanese) + ", style " +
                               std::to_string(f.style);
        EXPECT_EQ(font.height, f.height) << at;
        EXPECT_EQ(font.weight, 400) << at;
        EXPECT_EQ(font.charset, f.charset) << at;
        EXPECT_STREQ(font.face, f.face) << at;
        EXPECT_EQ(font.text_dx, f.dx) << at;
        EXPECT_EQ(font.text_dy, f.dy) << at;
        EXPECT_EQ(font.extra_width, f.extra) << at;
    }
}

TEST(LabelTexts, FollowTheInterfaceLanguage)
{
    reset_workspace();
    EXPECT_STREQ(label_text(1), "Input Coefficients");
    EXPECT_STREQ(label_text(9), "Exit");
    EXPECT_STREQ(label_text(0), "");
    EXPECT_STREQ(label_text(10), "");
    ws.ui_japanese = 1;
    EXPECT_STREQ(label_text(1), "\x8c\x57\x90\x94\x82\xcc\x93\xfc\x97\xcd");  // Shift-JIS
    EXPECT_STREQ(label_text(4), "\x95\xfb\x92\xf6\x8e\xae\x82\xcc\x89\xf0");
}

TEST(LabelPlacement, BelowTheStripFromTheFontMetrics)
{
    const LabelMetrics m{1, 1, 18, 60, 14, 0};  // SM_CXBORDER, SM_CYBORDER, caption; text
    const LabelRect english = place_label(2, label_font(0, 5), m);
    EXPECT_EQ(english.left, 1 + 49);
    EXPECT_EQ(english.top, 1 + 18 + 32);
    EXPECT_EQ(english.right, 50 + 60 + 2 + 5);
    EXPECT_EQ(english.bottom, 51 + 0 + 14 + 6);

    const LabelMetrics jm{2, 2, 19, 48, 12, 2};
    const LabelRect japanese = place_label(9, label_font(1, 0), jm);
    EXPECT_EQ(japanese.left, 2 + 273);
    EXPECT_EQ(japanese.top, 2 + 19 + 32);
    EXPECT_EQ(japanese.right, 275 + 48 + 1 + 5);
    EXPECT_EQ(japanese.bottom, 53 + 2 + 12 + 6);
}

TEST(LabelPlacement, ALabelTooBigForTheBackingIsCutTo130By30)
{
    const LabelMetrics fits{1, 1, 18, 122, 23, 0};  // 122 + 2 + 6 = 130, 23 + 7 = 30
    const LabelRect r = place_label(1, label_font(0, 3), fits);
    EXPECT_EQ(r.right - r.left + 1, 130);
    EXPECT_EQ(r.bottom - r.top + 1, 30);

    const LabelMetrics big{1, 1, 18, 400, 60, 9};
    const LabelRect cut = place_label(1, label_font(0, 3), big);
    EXPECT_EQ(cut.left, 18);
    EXPECT_EQ(cut.right - cut.left + 1, 130);
    EXPECT_EQ(cut.bottom - cut.top + 1, 30);
}

TEST_F(ToolbarLabels, SweepingTheStripShowsOneLabelAtATime)
{
    const int y = kBorder + 10;
    const int expected_state[] = {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    const int xs[] = {15, 16, 47, 48, 80, 112, 144, 176, 208, 240, 303, 304};
    for (int i = 0; i < 12; ++i) {
        move(xs[i], y);
        EXPECT_EQ(ws.hover_label_state, expected_state[i]) << "x = " << xs[i];
        EXPECT_EQ(store.rect.left != 0, expected_state[i] != 0) << "x = " << xs[i];
        EXPECT_TRUE(only_the_label_differs()) << "x = " << xs[i];
    }
    // Moving within a button's range draws nothing more.
    EXPECT_EQ(canvas.texts.size(), 9u);
    EXPECT_EQ(canvas.texts[1], "Read Data");
    EXPECT_EQ(canvas.pixels, original.pixels);
}

TEST_F(ToolbarLabels, LeavingTheStripOrTheWindowPutsThePixelsBack)
{
    move(50, kBorder + 20);  // "Read Data", on the strip's last row
    ASSERT_EQ(ws.hover_label_state, 2);
    move(50, kBorder);  // the buttons' top row: off the strip
    EXPECT_EQ(ws.hover_label_state, 0);
    EXPECT_EQ(store.rect.left, 0);
    EXPECT_EQ(canvas.pixels, original.pixels);

    move(100, kBorder + 5);
    move(100, 200);  // down into the fields
    EXPECT_EQ(canvas.pixels, original.pixels);
    EXPECT_EQ(ws.hover_label_state, 0);
}

TEST_F(ToolbarLabels, AStateWithoutALabelIsClearedWithoutTouchingPixels)
{
    ws.hover_label_state = kLabelInput;  // "Input Coefficients" given, nothing drawn yet
    move(30, kBorder + 5);  // over the same button: the state is already 1
    EXPECT_TRUE(canvas.drawn.empty());
    move(30, 100);
    EXPECT_EQ(ws.hover_label_state, 0);
    EXPECT_EQ(canvas.pixels, original.pixels);
}

TEST_F(ToolbarLabels, RepaintsBringBackOnlyTheInputAndSolutionLabels)
{
    const struct {
        int state;
        const char* text;
    } modes[] = {{1, "Input Coefficients"}, {4, "Solution"}, {2, nullptr}, {0, nullptr}};
    for (const auto& m : modes) {
        canvas.texts.clear();
        ws.hover_label_state = m.state;
        show_mode_label(store, surface);
        if (m.text) {
            ASSERT_EQ(canvas.texts.size(), 1u) << "state " << m.state;
            EXPECT_EQ(canvas.texts[0], m.text);
        } else {
            EXPECT_TRUE(canvas.texts.empty()) << "state " << m.state;
        }
        hide_label(store, surface);
        EXPECT_EQ(canvas.pixels, original.pixels) << "state " << m.state;
    }
}

TEST_F(ToolbarLabels, ShowingOverAShownLabelLeavesNoGhost)
{
    move(60, kBorder + 5);  // "Read Data" up
    ws.hover_label_state = kLabelSolution;
    show_mode_label(store, surface);  // without an erase first
    EXPECT_TRUE(only_the_label_differs());
    hide_label(store, surface);
    EXPECT_EQ(canvas.pixels, original.pixels);
}

TEST_F(ToolbarLabels, AHugeFontStaysInsideTheBackingStore)
{
    canvas.char_width = 20;  // "Input Coefficients" would be 360 px wide
    canvas.text_height = 40;
    move(20, kBorder + 5);
    const LabelRect r = store.rect;
    EXPECT_EQ(r.right - r.left + 1, kLabelBackingColumns);
    EXPECT_EQ(r.bottom - r.top + 1, kLabelBackingRows);
    EXPECT_TRUE(only_the_label_differs());
    move(20, 100);
    EXPECT_EQ(canvas.pixels, original.pixels);
}

TEST_F(ToolbarLabels, TextSitsThreePixelsInPlusTheFontsOffset)
{
    const struct {
        int japanese, style, dx, dy;
    } cases[] = {{0, 1, 3, 2}, {0, 5, 4, 2}, {1, 5, 3, 3}};
    for (const auto& c : cases) {
        ws.ui_japanese = c.japanese;
        surface.font = label_font(c.japanese, c.style);
        show_label(store, 3, surface);
        EXPECT_EQ(canvas.text_x, c.dx) << "style " << c.style;
        EXPECT_EQ(canvas.text_y, c.dy) << "style " << c.style;
    }
}

}  // namespace
