// Check boxes and option buttons keep their own painting for caption, focus
// and background; the skin then replaces the small square or circle where
// the platform put it (the left edge, or the right one for a button at the
// right). Unlike push buttons they do not fade: each event picks a state
// and the painter draws it at once. The two kinds differ only in their
// painter and in how they take a focus change.
#include "platform/dpi.h"
#include "platform/handles.h"
#include "platform/window_procedure.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "skin/draw/scratch_surfaces.h"
#include "skin/kinds/kind_parts.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/toggle.h"
#include "skin/properties.h"

#include <algorithm>

namespace taverel::skin {

namespace {

// Where the platform puts its own glyph (at the left edge, or at the right
// one for a button at the right, centred vertically; right-aligned captions
// included) and where the skin's art goes: the art at its whole factor,
// centred on the platform's box.
struct ToggleBox {
    int cx = 0;
    int cy = 0;
    int left = 0;
    int top = 0;
    int scale = 1;
    int art = atlas::OptionCircleSide;
    int art_x = 0;
    int art_y = 0;
};

// BS_RIGHTBUTTON (the same bit as BS_LEFTTEXT) puts the box at the right
// edge and the caption before it; so does WS_EX_RIGHT for a button.
bool ButtonAtTheRight(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & BS_RIGHTBUTTON) ||
           (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RIGHT);
}

ToggleBox MeasureToggleBox(HWND window) {
    // The platform's glyph is the classic 12-pixel box and its edge, grown
    // with the DPI, or the menu check-mark size where the system makes that
    // larger; at 96 DPI both are 13, the art's own size.
    const int dpi = platform::WindowDpi(window);
    const int classic = platform::ScaleToDpi(12, dpi) + 1;
    ToggleBox box;
    box.cx = std::max(GetSystemMetrics(SM_CXMENUCHECK), classic);
    box.cy = std::max(GetSystemMetrics(SM_CYMENUCHECK), classic);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    if (ButtonAtTheRight(window))
        box.left = bounds.Width - box.cx;
    box.top = RoundHalfEven((bounds.Height - box.cy) / 2.0);
    box.scale = GlyphScaleForDpi(dpi);
    box.art = atlas::OptionCircleSide * box.scale;
    box.art_x = box.left + RoundHalfEven((box.cx - box.art) / 2.0);
    box.art_y = box.top + RoundHalfEven((box.cy - box.art) / 2.0);
    return box;
}

// Where the platform's glyph and the art differ in size (at any DPI but 96)
// the platform's glyph would show around the art, so its columns are cleared
// to the background the control paints with (the brush its parent hands it)
// before the art goes on. Where the two are the same size the art covers the
// glyph, and what the control drew around the art stays, as it always has.
// Only the glyph's columns are cleared: the caption keeps its place beside
// them.
void ClearPlatformGlyph(HWND window, HDC dc, const ToggleBox& box) {
    const bool same_size = box.cx == box.art && box.cy == box.art;
    if (same_size)
        return;
    const HWND parent = GetParent(window);
    const auto wparam = reinterpret_cast<WPARAM>(dc);
    const auto lparam = reinterpret_cast<LPARAM>(window);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC, wparam, lparam));
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcW(parent, WM_CTLCOLORSTATIC, wparam, lparam));
    RECT client{};
    GetClientRect(window, &client);
    const int left = std::min(box.left, box.art_x);
    const int right = std::max(box.left + box.cx, box.art_x + box.art);
    const RECT strip{left, 0, right, client.bottom};
    FillRect(dc, &strip, brush);
}

int CheckState(HWND window) {
    return static_cast<int>(SendMessageW(window, BM_GETCHECK, 0, 0));
}

// True when the painter has to draw; records the state it is about to draw.
bool TakeState(HWND window, VisualState state, bool force) {
    if (!force && StoredState(window) == state)
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
    const int f = box.scale;
    const int side = box.art;

    const ScratchSurface canvas(ScratchUse::Compose, side, side);
    platform::WindowDc target = platform::WindowDc::Whole(window);
    HDC dc = canvas.dc();
    FillSolidRect(dc, 0, 0, side, side, White);

    const bool enabled = IsWindowEnabled(window) != FALSE;
    const GlyphRegion mark = Scaled(enabled ? atlas::CheckMark : atlas::CheckMarkDisabled, f);
    const GlyphRegion square =
        Scaled(enabled ? atlas::IndeterminateSquare : atlas::IndeterminateSquareDisabled, f);
    // The frame is as many pixels wide as the art's factor.
    const COLORREF frame = !enabled                        ? DisabledBorderColour
                           : state == VisualState::Pressed ? PressedBorderColour
                                                           : BorderColour;
    for (int ring = 0; ring < f; ++ring)
        FrameSolidRect(dc, ring, ring, side - 2 * ring, side - 2 * ring, frame);
    if (enabled && (state == VisualState::Hover || state == VisualState::Pressed)) {
        StretchGlyph(dc, {f, f, side - 2 * f, side - 2 * f},
                     Scaled(state == VisualState::Hover ? atlas::CheckBoxHoverFill
                                                        : atlas::CheckBoxPressedFill,
                            f));
    }
    if (check == BST_CHECKED) {
        DrawGlyphTransparent(dc, RoundHalfEven((side - mark.box.width) / 2.0),
                             RoundHalfEven((side - mark.box.height) / 2.0), mark);
    } else if (check == BST_INDETERMINATE) {
        DrawGlyphTransparent(dc, RoundHalfEven((side - square.box.width) / 2.0),
                             RoundHalfEven((side - square.box.height) / 2.0), square);
    }

    ClearPlatformGlyph(window, target.get(), box);
    BitBlt(target.get(), box.art_x, box.art_y, side, side, dc, 0, 0, SRCCOPY);
    return 1;
}

int PaintOptionButton(HWND window, VisualState state, bool force) {
    if (!TakeState(window, state, force))
        return 0;
    const ToggleBox box = MeasureToggleBox(window);
    const int check = CheckState(window);
    platform::WindowDc target = platform::WindowDc::Whole(window);
    ClearPlatformGlyph(window, target.get(), box);

    // Drawn over what the window shows with the key left out, so the
    // control's own background shows through the circle's corners: the art's
    // box is read once, composed off screen and written back once.
    const ScratchSurface canvas(ScratchUse::Compose, box.art, box.art);
    const HDC dc = canvas.dc();
    BitBlt(dc, 0, 0, box.art, box.art, target.get(), box.art_x, box.art_y, SRCCOPY);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    // An enabled button asked for a state beyond Pressed gets no circle.
    const int row = StateNumber(state);
    if (!enabled || (row >= 0 && row <= StateNumber(VisualState::Pressed))) {
        DrawGlyph(dc, {0, 0, box.art, box.art},
                  Scaled(atlas::OptionCircle(enabled ? state : VisualState::Disabled), box.scale),
                  TransparentKey);
    }
    if (check == BST_CHECKED) {
        const GlyphRegion dot =
            Scaled(enabled ? atlas::OptionDot : atlas::OptionDotDisabled, box.scale);
        const int dot_x = box.art_x + RoundHalfEven((box.art - dot.box.width) / 2.0);
        const int dot_y = RoundHalfEven((box.art - dot.box.height) / 2.0 + box.art_y);
        DrawGlyphTransparent(dc, dot_x - box.art_x, dot_y - box.art_y, dot);
    }
    BitBlt(target.get(), box.art_x, box.art_y, box.art, box.art, dc, 0, 0, SRCCOPY);
    return 1;
}

namespace {

using TogglePainter = int (*)(HWND window, VisualState state, bool force);

template <TogglePainter Painter, ControlKind Kind>
struct Toggle {
    // The glyph goes on while the control draws itself as a toggle of its
    // kind. A type the program sets since (push-like, a push button,
    // owner-drawn) draws itself whole, with no box to cover; the window is
    // still this kind's, and is given back as one.
    static int Paint(HWND window, VisualState state, bool force) {
        if (ClassifyButtonStyle(GetWindowLongPtrW(window, GWL_STYLE)) != Kind)
            return 0;
        return Painter(window, state, force);
    }
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

using CheckBoxToggle = Toggle<PaintCheckBox, ControlKind::CheckBox>;
using OptionButtonToggle = Toggle<PaintOptionButton, ControlKind::OptionButton>;

}  // namespace

KindEntryPoints CheckBoxKind() {
    return CheckBoxToggle::EntryPoints();
}

KindEntryPoints OptionButtonKind() {
    KindEntryPoints k = OptionButtonToggle::EntryPoints();
    // Gaining or losing the focus makes an option button redraw itself
    // (its focus rectangle, and a check that follows the focus), which
    // covers the skin's circle; check boxes are left alone.
    k.focus_changed = OptionButtonToggle::Refresh;
    return k;
}

}  // namespace taverel::skin
