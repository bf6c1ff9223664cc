// Check boxes and option buttons keep their own painting for caption, focus
// and background; the skin then replaces the small square or circle at the
// left edge. Both painters draw on the window DC, outside WM_PAINT too.
#include "platform/handles.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/primitives.h"
#include "skin/other_kinds.h"
#include "skin/properties.h"

namespace taverel::skin {

namespace {

struct ToggleBox {
    int cx = 0;
    int cy = 0;
    int top = 0;
};

// The box is the menu check-mark size, centred vertically in the window and
// always at the left edge (right-aligned captions included).
ToggleBox MeasureToggleBox(HWND window) {
    ToggleBox box;
    box.cx = GetSystemMetrics(SM_CXMENUCHECK);
    box.cy = GetSystemMetrics(SM_CYMENUCHECK);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    box.top = RoundHalfEven((bounds.Height - box.cy) / 2.0);
    return box;
}

int CheckState(HWND window) {
    return static_cast<int>(SendMessageW(window, BM_GETCHECK, 0, 0));
}

// True when the painter has to draw; records the state it is about to draw.
bool TakeState(HWND window, int state, bool force) {
    if (GetSkinProp(window, prop::OldState) == state && !force)
        return false;
    SetSkinProp(window, prop::OldState, state);
    return true;
}

}  // namespace

int PaintCheckBox(HWND window, int state, bool force) {
    if (!TakeState(window, state, force))
        return 0;
    const ToggleBox box = MeasureToggleBox(window);
    const int check = CheckState(window);

    MemoryCanvas canvas = CreateMemoryCanvas(box.cx, box.cy);
    platform::WindowDc target = platform::WindowDc::Whole(window);
    HDC dc = canvas.dc();
    FillSolidRect(dc, 0, 0, box.cx, box.cy, White);

    const bool enabled = IsWindowEnabled(window) != FALSE;
    const int mark_x = RoundHalfEven((box.cx - 9) / 2.0);
    const int mark_y = RoundHalfEven((box.cy - 8) / 2.0);
    const int square_x = RoundHalfEven((box.cx - 7) / 2.0);
    const int square_y = RoundHalfEven((box.cy - 7) / 2.0);
    // The enabled glyphs sit in the left half of the sheet, the disabled
    // ones 9 pixels to the right.
    const int glyph_column = enabled ? 0 : 9;
    if (enabled) {
        FrameSolidRect(dc, 0, 0, box.cx, box.cy,
                       state == Pressed ? PressedBorderColour : BorderColour);
        // The fills are five-pixel bands through the middle of the hover and
        // pressed circles, stretched over the square's inside.
        if (state == Hover || state == Pressed) {
            StretchBlt(dc, 1, 1, box.cx - 2, box.cy - 2, OptionCircleSheet(), 1,
                       state == Hover ? 17 : 30, 11, 5, SRCCOPY);
        }
    } else {
        FrameSolidRect(dc, 0, 0, box.cx, box.cy, DisabledBorderColour);
    }
    if (check == BST_CHECKED) {
        DrawTransparent(dc, mark_x, mark_y, 9, 8, CheckGlyphSheet(), glyph_column, 0,
                        TransparentKey);
    } else if (check == BST_INDETERMINATE) {
        DrawTransparent(dc, square_x, square_y, 7, 7, CheckGlyphSheet(), glyph_column + 1, 9,
                        TransparentKey);
    }

    BitBlt(target.get(), 0, box.top, box.cx, box.cy, dc, 0, 0, SRCCOPY);
    return 1;
}

int PaintOptionButton(HWND window, int state, bool force) {
    if (!TakeState(window, state, force))
        return 0;
    const ToggleBox box = MeasureToggleBox(window);
    const int check = CheckState(window);
    platform::WindowDc target = platform::WindowDc::Whole(window);

    // Drawn straight onto the window with the key left out, so the control's
    // own background shows through the circle's corners.
    const bool enabled = IsWindowEnabled(window) != FALSE;
    int circle_y = -1;
    if (!enabled)
        circle_y = 39;
    else if (state >= Normal && state <= Pressed)
        circle_y = 13 * state;
    if (circle_y >= 0) {
        DrawSlicedImage(target.get(), 0, box.top, box.cx, box.cy, OptionCircleSheet(), 0, circle_y,
                        13, 13, 5, 5, 5, 5, TransparentKey);
    }
    if (check == BST_CHECKED) {
        const int dot_x = RoundHalfEven((box.cx - 5) / 2.0);
        const int dot_y = RoundHalfEven((box.cy - 5) / 2.0 + box.top);
        DrawTransparent(target.get(), dot_x, dot_y, 5, 5, CheckGlyphSheet(), enabled ? 2 : 11, 18,
                        TransparentKey);
    }
    return 1;
}

}  // namespace taverel::skin
