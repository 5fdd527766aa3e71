// The boxed names of the toolbar buttons: which label the mouse asks for,
// where it goes, and the pixels it covers, kept so they can be put back.
// The drawing itself is the platform's, reached through LabelSurface.
#pragma once

#include <cstdint>

constexpr int kLabelCount = 9;             // buttons 171..179, labels k = 1..9
constexpr int kLabelInput = 1;             // "Input Coefficients"
constexpr int kLabelSolution = 4;          // "Solution"
constexpr int kLabelBackingRows = 30;
constexpr int kLabelBackingColumns = 130;

// Window coordinates of the main window (origin at its outer top-left). The
// saved area includes the right column and the bottom row. All 0 = no label.
struct LabelRect {
    int left, top, right, bottom;
};

// The label font of one language and toolbar look, and where its text sits.
struct LabelFont {
    int height;
    int weight;
    int charset;
    const char* face;
    int text_dx, text_dy;  // added to the text's (3, 3) inset
    int extra_width;       // added to the text width
};

// Japanese: 12 px Shift-JIS gothic. English: 12 px "Helv" for the Windows
// 9x looks (style codes 0..2), 14 px for the NT ones (3..7).
LabelFont label_font(int ui_japanese, int os_style_code);

// The text of label k (1..9) in the interface language; "" for any other k.
const char* label_text(int k);

// Which label the mouse at client (x, y) asks for: k = 1..9 over the range
// of command button k on the strip (border_height < y <= border_height + 20,
// x in 16..303, 32 px per button); 0 anywhere else, the strip's ends included.
int label_under_mouse(int x, int y, int border_height);

// What placing a label needs to know from the platform.
struct LabelMetrics {
    int border_width, border_height, caption_height;  // SM_CXBORDER, SM_CYBORDER, SM_CYCAPTION
    int text_width;                                   // extent of the label text
    int text_height, external_leading;                // tmHeight, tmExternalLeading
};

// The rectangle of label k: just below the strip, 1 px left of its button,
// 5 px wider than text and extra width, 6 px taller than the font's lines.
// A label larger than the backing store (a big system font) is cut to
// 130 x 30, so the saved area never exceeds it.
LabelRect place_label(int k, const LabelFont& font, const LabelMetrics& metrics);

// The label on screen and the pixels under it.
struct LabelStore {
    LabelRect rect;
    std::uint32_t backing[kLabelBackingRows][kLabelBackingColumns];
};

// The main window's whole-window surface with the label font selected.
struct LabelSurface {
    void* context;
    std::uint32_t (*get_pixel)(void* context, int x, int y);
    void (*set_pixel)(void* context, int x, int y, std::uint32_t colour);
    // Extent of text and the font's tmHeight and tmExternalLeading.
    void (*measure)(void* context, const char* text, int* width, int* height,
                    int* external_leading);
    // A black-outlined white box over box.left..right-1, box.top..bottom-1,
    // and text at (text_x, text_y), kept inside the box's outline.
    void (*draw)(void* context, const LabelRect& box, int text_x, int text_y, const char* text);
    int border_width, border_height, caption_height;
    LabelFont font;
};

// Saves the pixels under label k and draws it. A label still shown is put
// back first, so its pixels never end up in the backing store.
void show_label(LabelStore& store, int k, const LabelSurface& surface);

// Puts back the pixels of the label shown, if any, and empties the rectangle.
void hide_label(LabelStore& store, const LabelSurface& surface);

// Follows the mouse at client (x, y) with ws.hover_label_state: over button
// k shows label k unless the state is k already; anywhere else hides the
// label and clears the state.
void track_label(LabelStore& store, int x, int y, const LabelSurface& surface);

// After a repaint: shows the label of the command whose view is up, when
// ws.hover_label_state is 1 ("Input Coefficients") or 4 ("Solution").
void show_mode_label(LabelStore& store, const LabelSurface& surface);
