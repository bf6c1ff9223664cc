// Combo boxes and drive lists: a flat two-pixel frame and the skin's own
// drop-down button. An editable combo box is painted by the skin alone; its
// text comes from the edit child, which paints itself.
#include "platform/handles.h"
#include "platform/window_procedure.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "skin/draw/scratch_surfaces.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/kind_parts.h"
#include "skin/kinds/kind_table.h"
#include "skin/properties.h"

namespace taverel::skin {

namespace {

constexpr LONG_PTR kSimpleOrList = 0x1;  // CBS_SIMPLE, CBS_DROPDOWNLIST
constexpr LONG_PTR kHasButton = 0x2;     // CBS_DROPDOWN, CBS_DROPDOWNLIST

LONG_PTR WindowStyle(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

}  // namespace

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
    const int scale = GlyphScaleOf(window);
    const ScratchSurface canvas(ScratchUse::Compose, button_width, button_height);
    HDC face = canvas.dc();
    if (state == VisualState::Hover || state == VisualState::Pressed) {
        DrawGlyph(
            face, {0, 0, button_width, button_height},
            Scaled(state == VisualState::Hover ? atlas::DropButtonHover : atlas::DropButtonPressed,
                   scale));
    } else {
        FillSolidRect(face, 0, 0, button_width, button_height, White);
    }
    const GlyphRegion arrow =
        Scaled(IsWindowEnabled(window) ? atlas::DropArrow : atlas::DropArrowDisabled, scale);
    DrawGlyphTransparent(face, RoundHalfEven((button_width - arrow.box.width) / 2.0),
                         RoundHalfEven((bounds.Height - 6 * scale) / 2.0), arrow);

    platform::WindowDc own;
    if (!dc) {
        own = platform::WindowDc::Whole(window);
        dc = own.get();
    }
    BitBlt(dc, bounds.Width - button_width - 1, 1, button_width, button_height, face, 0, 0,
           SRCCOPY);
    return 1;
}

namespace {

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
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    platform::WindowDc dc = platform::WindowDc::Whole(window);
    PaintListBorder(dc.get(), bounds.Width, bounds.Height, IsWindowEnabled(window) != FALSE);
    PaintComboButton(window, dc.get(), state, true);
    return result;
}

LRESULT PaintDriveListBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    const VisualState state = StoredState(window);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    platform::WindowDc dc = platform::WindowDc::Whole(window);
    PaintListBorder(dc.get(), bounds.Width, bounds.Height, IsWindowEnabled(window) != FALSE);
    PaintComboButton(window, dc.get(), state, true);
    return result;
}

// An editable combo box follows the mouse over its drop-down button only;
// the other styles count as a whole.
bool OverComboButton(HWND combo, LPARAM point) {
    if (WindowStyle(combo) & kSimpleOrList)
        return true;
    return InComboDropZone(combo, PointerX(point), PointerY(point));
}

void ShowNormalButton(HWND window) {
    PaintComboButton(window, nullptr, VisualState::Normal, false);
}

void ComboMouseMove(HWND window, WPARAM buttons, LPARAM point, bool) {
    PaintComboButton(window, nullptr,
                     OverComboButton(window, point) ? HeldState(buttons) : VisualState::Normal,
                     false);
}

void DriveListMouseMove(HWND window, WPARAM buttons, LPARAM, bool) {
    PaintComboButton(window, nullptr, HeldState(buttons), false);
}

void MouseLeave(HWND window) {
    SetSkinProp(window, prop::MouseFlag, 0);
    ShowNormalButton(window);
}

void ComboButtonDown(HWND window, LPARAM point) {
    if (OverComboButton(window, point))
        PaintComboButton(window, nullptr, VisualState::Pressed, false);
}

void DriveListButtonDown(HWND window, LPARAM) {
    PaintComboButton(window, nullptr, VisualState::Pressed, false);
}

void ButtonUp(HWND window) {
    PaintComboButton(window, nullptr,
                     PointerOver(window) ? VisualState::Hover : VisualState::Normal, false);
}

// What both kinds share; a double click paints nothing of its own, the
// release that follows does.
KindEntryPoints DropButtonKind() {
    KindEntryPoints k;
    k.take_over = TakeOverTracked;
    k.give_back = GiveBackTracked;
    k.position_changing = ShowNormalButton;
    k.follows_pointer = true;
    k.mouse_leave = MouseLeave;
    k.button_up = ButtonUp;
    return k;
}

}  // namespace

bool InComboDropZone(HWND combo, int x, int y) {
    WindowBounds bounds;
    GetWindowBounds(combo, &bounds);
    const int scroll_width = GetSystemMetrics(SM_CXVSCROLL);
    return bounds.Width - scroll_width - 2 <= x && x <= bounds.Width - 2 && 2 <= y &&
           y <= bounds.Height - 2;
}

KindEntryPoints ComboBoxKind() {
    KindEntryPoints k = DropButtonKind();
    k.paint = PaintComboBoxBranch;
    k.mouse_move = ComboMouseMove;
    k.button_down = ComboButtonDown;
    return k;
}

KindEntryPoints DriveListKind() {
    KindEntryPoints k = DropButtonKind();
    k.paint = PaintDriveListBranch;
    k.mouse_move = DriveListMouseMove;
    k.button_down = DriveListButtonDown;
    return k;
}

}  // namespace taverel::skin
