// Hover labels of the toolbar: ranges, placement and the saved pixels.
#include "entry/toolbar_labels.h"

#include <iterator>

#include "solver/texts.h"
#include "solver/workspace.h"

constexpr TextPair kLabelTexts[] = {
    {"Input Coefficients", "係数の入力"},
    {"Read Data", "データ読込"},
    {"Setting", "設定"},
    {"Solution", "方程式の解"},
    {"Save Data", "データ保存"},
    {"Error", "解の誤差"},
    {"About", "御案内"},
    {"Help", "ヘルプ"},
    {"Exit", "終了"},
};
static_assert(std::size(kLabelTexts) == kLabelCount, "one text pair per label");

constexpr int kFirstButtonX = 16;  // "Gap" fills 0..15
constexpr int kButtonWidth = 32;
constexpr int kStripHeight = 20;
constexpr int kLabelBelowCaption = 32;

constexpr int kShiftJisCharset = 128;
constexpr int kOemCharset = 255;
constexpr int kWeightNormal = 400;

LabelFont label_font(int ui_japanese, int os_style_code)
{
    if (ui_japanese) return {12, kWeightNormal, kShiftJisCharset, "ＭＳゴシック", 0, 0, 1};
    if (os_style_code <= 2) return {12, kWeightNormal, kOemCharset, "Helv", 0, -1, 2};
    return {14, kWeightNormal, kOemCharset, "Helv", 1, -1, 2};
}

const char* label_text(int k)
{
    if (k < 1 || k > kLabelCount) return "";
    return pick_text(kLabelTexts[k - 1]);
}

int label_under_mouse(int x, int y, int border_height)
{
    if (y <= border_height || y > border_height + kStripHeight) return 0;
    if (x < kFirstButtonX || x >= kFirstButtonX + kLabelCount * kButtonWidth) return 0;
    return (x - kFirstButtonX) / kButtonWidth + 1;
}

LabelRect place_label(int k, const LabelFont& font, const LabelMetrics& m)
{
    LabelRect r;
    r.left = m.border_width + kFirstButtonX + (k - 1) * kButtonWidth + 1;
    r.top = m.border_height + m.caption_height + kLabelBelowCaption;
    r.right = r.left + m.text_width + font.extra_width + 5;
    r.bottom = r.top + m.external_leading + m.text_height + 6;
    // Edges are saved too, so the area is (right - left + 1) wide.
    if (r.right - r.left + 1 > kLabelBackingColumns) r.right = r.left + kLabelBackingColumns - 1;
    if (r.bottom - r.top + 1 > kLabelBackingRows) r.bottom = r.top + kLabelBackingRows - 1;
    return r;
}

static bool label_shown(const LabelStore& store)
{
    return store.rect.left != 0;
}

void hide_label(LabelStore& store, const LabelSurface& surface)
{
    if (label_shown(store)) {
        const LabelRect& r = store.rect;
        for (int y = r.top; y <= r.bottom; ++y)
            for (int x = r.left; x <= r.right; ++x)
                surface.set_pixel(surface.context, x, y, store.backing[y - r.top][x - r.left]);
    }
    store.rect = LabelRect{0, 0, 0, 0};
}

void show_label(LabelStore& store, int k, const LabelSurface& surface)
{
    if (k < 1 || k > kLabelCount) return;
    hide_label(store, surface);
    const char* text = label_text(k);
    LabelMetrics m{surface.border_width, surface.border_height, surface.caption_height, 0, 0, 0};
    surface.measure(surface.context, text, &m.text_width, &m.text_height, &m.external_leading);
    const LabelRect r = place_label(k, surface.font, m);
    for (int y = r.top; y <= r.bottom; ++y)
        for (int x = r.left; x <= r.right; ++x)
            store.backing[y - r.top][x - r.left] = surface.get_pixel(surface.context, x, y);
    surface.draw(surface.context, r, r.left + surface.font.text_dx + 3,
                 r.top + surface.font.text_dy + 3, text);
    store.rect = r;
}

void track_label(LabelStore& store, int x, int y, const LabelSurface& surface)
{
    const int k = label_under_mouse(x, y, surface.border_height);
    if (k == 0) {
        if (ws.hover_label_state != 0) {
            hide_label(store, surface);
            ws.hover_label_state = 0;
        }
        return;
    }
    if (ws.hover_label_state != k) {
        show_label(store, k, surface);
        ws.hover_label_state = k;
    }
}

void show_mode_label(LabelStore& store, const LabelSurface& surface)
{
    if (ws.hover_label_state == kLabelInput || ws.hover_label_state == kLabelSolution)
        show_label(store, ws.hover_label_state, surface);
}
