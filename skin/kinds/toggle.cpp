// Check boxes and option buttons keep their own painting for caption, focus
// and background; the skin then replaces the small square or circle at the
// left edge. Unlike push buttons they do not fade: each event picks a state
// and the painter draws it at once. The two kinds differ only in their
// painter and in how they take a focus change.
#include "platform/handles.h"
#include "platform/window_procedure.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "skin/kinds/kind_parts.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/toggle.h"
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
bool TakeState(HWND window, VisualState state, bool force) {
    if (StoredState(window) == state && !force)
        return false;
    StoreState(window, state);
    return true;
}

}  // namespace

int PaintCheckBox(HWND window, VisualState state, bool force) {
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
    if (enabled) {
        FrameSolidRect(dc, 0, 0, box.cx, box.cy,
                       state == VisualState::Pressed ? PressedBorderColour : BorderColour);
        if (state == VisualState::Hover || state == VisualState::Pressed) {
            StretchGlyph(dc, {1, 1, box.cx - 2, box.cy - 2},
                         state == VisualState::Hover ? atlas::CheckBoxHoverFill
                                                     : atlas::CheckBoxPressedFill);
        }
    } else {
        FrameSolidRect(dc, 0, 0, box.cx, box.cy, DisabledBorderColour);
    }
    if (check == BST_CHECKED) {
        DrawGlyphTransparent(dc, mark_x, mark_y,
                             enabled ? atlas::CheckMark : atlas::CheckMarkDisabled);
    } else if (check == BST_INDETERMINATE) {
        DrawGlyphTransparent(
            dc, square_x, square_y,
            enabled ? atlas::IndeterminateSquare : atlas::IndeterminateSquareDisabled);
    }

    BitBlt(target.get(), 0, box.top, box.cx, box.cy, dc, 0, 0, SRCCOPY);
    return 1;
}

int PaintOptionButton(HWND window, VisualState state, bool force) {
    if (!TakeState(window, state, force))
        return 0;
    const ToggleBox box = MeasureToggleBox(window);
    const int check = CheckState(window);
    platform::WindowDc target = platform::WindowDc::Whole(window);

    // Drawn straight onto the window with the key left out, so the control's
    // own background shows through the circle's corners.
    const bool enabled = IsWindowEnabled(window) != FALSE;
    // An enabled button asked for a state beyond Pressed gets no circle.
    const int row = StateNumber(state);
    if (!enabled || (row >= 0 && row <= StateNumber(VisualState::Pressed))) {
        DrawGlyph(target.get(), {0, box.top, box.cx, box.cy},
                  atlas::OptionCircle(enabled ? state : VisualState::Disabled), TransparentKey);
    }
    if (check == BST_CHECKED) {
        const int dot_x = RoundHalfEven((box.cx - 5) / 2.0);
        const int dot_y = RoundHalfEven((box.cy - 5) / 2.0 + box.top);
        DrawGlyphTransparent(target.get(), dot_x, dot_y,
                             enabled ? atlas::OptionDot : atlas::OptionDotDisabled);
    }
    return 1;
}

namespace {

using TogglePainter = int (*)(HWND window, VisualState state, bool force);

template <TogglePainter Paint>
struct Toggle {
    static LRESULT PaintMessage(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                                LPARAM lparam) {
        const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
        Paint(window, VisualState::Normal, true);
        return result;
    }
    // A new check state, whatever set it (a click, an arrow key, a program),
    // makes the control draw itself in the platform's look there and then,
    // outside WM_PAINT, and without its focus rectangle. It is kept from
    // drawing while the state changes; then the whole control is repainted
    // at once the usual way: its caption and focus rectangle, then the glyph.
    static LRESULT SetCheck(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam) {
        const bool changes = IsWindowVisible(window) && SendMessageW(window, BM_GETCHECK, 0, 0) !=
                                                            static_cast<LRESULT>(wparam);
        if (!changes)
            return platform::ForwardMessage(previous, window, message, wparam, lparam);
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
        if (IsWindow(window)) {
            SendMessageW(window, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        return result;
    }
    static void MouseMove(HWND window, WPARAM buttons, LPARAM, bool) {
        Paint(window, HeldState(buttons), true);
    }
    static void MouseLeave(HWND window) {
        SetSkinProp(window, prop::MouseFlag, 0);
        Paint(window, VisualState::Normal, false);
    }
    // A double click paints nothing of its own: the release that follows
    // paints the normal look.
    static void ButtonDown(HWND window, LPARAM) { Paint(window, VisualState::Pressed, false); }
    static void ButtonUp(HWND window) { Paint(window, VisualState::Normal, false); }
    static void KeyDown(HWND window, WPARAM key) {
        if (key == VK_SPACE)
            Paint(window, VisualState::Pressed, false);
    }
    static void KeyUp(HWND window, WPARAM key) {
        if (key == VK_SPACE)
            Paint(window, VisualState::Normal, false);
    }
    static void Refresh(HWND window) { Paint(window, VisualState::Normal, true); }

    static KindEntryPoints EntryPoints() {
        KindEntryPoints k;
        k.take_over = TakeOverTracked;
        k.give_back = GiveBackTracked;
        k.paint = PaintMessage;
        k.set_check = SetCheck;
        k.follows_pointer = true;
        k.mouse_move = MouseMove;
        k.mouse_leave = MouseLeave;
        k.button_down = ButtonDown;
        k.button_up = ButtonUp;
        k.key_down = KeyDown;
        k.key_up = KeyUp;
        k.release_in_tree = Refresh;
        return k;
    }
};

}  // namespace

KindEntryPoints CheckBoxKind() {
    return Toggle<PaintCheckBox>::EntryPoints();
}

KindEntryPoints OptionButtonKind() {
    KindEntryPoints k = Toggle<PaintOptionButton>::EntryPoints();
    // Gaining or losing the focus makes an option button redraw itself
    // (its focus rectangle, and a check that follows the focus), which
    // covers the skin's circle; check boxes are left alone.
    k.focus_changed = Toggle<PaintOptionButton>::Refresh;
    return k;
}

}  // namespace taverel::skin
