// Combo boxes and drive lists: a flat two-pixel frame and the skin's own
// drop-down button. An editable combo box is painted by the skin alone; its
// text comes from the edit child, which paints itself.
#include "platform/handles.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "skin/other_kinds.h"
#include "skin/other_kinds_parts.h"
#include "skin/properties.h"

namespace taverel::skin {

namespace {

constexpr LONG_PTR kSimpleOrList = 0x1;  // CBS_SIMPLE, CBS_DROPDOWNLIST
constexpr LONG_PTR kHasButton = 0x2;     // CBS_DROPDOWN, CBS_DROPDOWNLIST

LONG_PTR WindowStyle(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

COLORREF FrameColour(HWND window) {
    return IsWindowEnabled(window) ? BorderColour : DisabledBorderColour;
}

}  // namespace

void PaintListBorder(HDC dc, int width, int height, bool enabled) {
    FrameSolidRect(dc, 0, 0, width, height, enabled ? BorderColour : DisabledBorderColour);
    FrameSolidRect(dc, 1, 1, width - 2, height - 2, White);
}

int PaintComboButton(HWND window, HDC dc, VisualState state, bool force) {
    // An open list always shows the pressed face, whatever the caller asked.
    if (SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0))
        state = VisualState::Pressed;
    if (StoredState(window) == state && !force)
        return 0;
    if (!(WindowStyle(window) & kHasButton))
        return 0;
    StoreState(window, state);

    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const int button_width = GetSystemMetrics(SM_CXVSCROLL) + 1;
    const int button_height = bounds.Height - 2;
    MemoryCanvas canvas = CreateMemoryCanvas(button_width, button_height);
    HDC face = canvas.dc();
    if (state == VisualState::Hover || state == VisualState::Pressed) {
        DrawGlyph(face, {0, 0, button_width, button_height},
                  state == VisualState::Hover ? atlas::DropButtonHover : atlas::DropButtonPressed);
    } else {
        FillSolidRect(face, 0, 0, button_width, button_height, White);
    }
    const GlyphRegion& arrow =
        IsWindowEnabled(window) ? atlas::DropArrow : atlas::DropArrowDisabled;
    DrawGlyphTransparent(face, RoundHalfEven((button_width - arrow.box.width) / 2.0),
                         RoundHalfEven((bounds.Height - 6) / 2.0), arrow);

    platform::WindowDc own;
    if (!dc) {
        own = platform::WindowDc::Whole(window);
        dc = own.get();
    }
    BitBlt(dc, bounds.Width - button_width - 1, 1, button_width, button_height, face, 0, 0,
           SRCCOPY);
    return 1;
}

LRESULT PaintComboBoxBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam) {
    const VisualState state = StoredState(window);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    if (!(WindowStyle(window) & kSimpleOrList)) {
        // The editable combo box's own painting would show through the skin's
        // frame, so it is not called: the skin paints the whole client area.
        platform::PaintDc paint(window);
        FillSolidRect(paint.get(), 0, 0, bounds.Width, bounds.Height, White);
        FrameSolidRect(paint.get(), 0, 0, bounds.Width, bounds.Height, FrameColour(window));
        PaintComboButton(window, paint.get(), state, true);
        return 0;
    }
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    platform::WindowDc dc = platform::WindowDc::Whole(window);
    PaintListBorder(dc.get(), bounds.Width, bounds.Height, IsWindowEnabled(window) != FALSE);
    PaintComboButton(window, dc.get(), state, true);
    return result;
}

LRESULT PaintDriveListBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    const VisualState state = StoredState(window);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    platform::WindowDc dc = platform::WindowDc::Whole(window);
    PaintListBorder(dc.get(), bounds.Width, bounds.Height, IsWindowEnabled(window) != FALSE);
    PaintComboButton(window, dc.get(), state, true);
    return result;
}

}  // namespace taverel::skin
