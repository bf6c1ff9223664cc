#include "skin/kinds/push_button.h"

#include "platform/handles.h"
#include "platform/window_procedure.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "skin/fade.h"
#include "skin/kinds/kind_parts.h"
#include "skin/kinds/kind_table.h"
#include "skin/properties.h"

#include <string>
#include <utility>

namespace taverel::skin {

namespace {

constexpr int StateCount = VisualStateCount;
// Caption and focus rectangle sit 2 pixels inside the button's edge.
constexpr int CaptionInset = 2;

}  // namespace

void RenderButtonStates(HWND window) {
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const std::wstring caption = GetWindowCaption(window);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    const bool focused = GetFocus() == window;
    const int scale = GlyphScaleOf(window);
    const int inset = CaptionInset * scale;

    for (int n = 0; n < StateCount; ++n) {
        const HDC dc = StateImageDc(window, n);
        if (!dc)
            continue;
        // The control owns its font and may delete it while the button stays
        // skinned; it is selected only for the caption, never left behind.
        const platform::SelectedObject selected_font(dc, font);
        SetBkMode(dc, TRANSPARENT);
        DrawGlyph(dc, {0, 0, bounds.Width, bounds.Height},
                  Scaled(atlas::ButtonFace(static_cast<VisualState>(n)), scale));
        SetTextColor(dc, n == StateNumber(VisualState::Disabled) ? DisabledTextColour : Black);
        const int inner_width = bounds.Width - 2 * inset;
        const int inner_height = bounds.Height - 2 * inset;
        DrawTextBox(dc, caption, inset, inset, inner_width, inner_height, CentredSingleLine);
        if (focused)
            DrawFocusBox(dc, inset, inset, inner_width, inner_height);
    }
}

namespace {

void MarkIfDisabled(HWND window) {
    if (!IsWindowEnabled(window))
        StoreState(window, VisualState::Disabled);
}

// The skin draws the button while it is owner-drawn, as the skin made it. A
// type the program sets since (a check box, a radio button) draws itself,
// and the skin's images would cover it; the button is still the skin's push
// button, and is given back as one.
bool DrawnBySkin(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

// The image of the stored state at `level`, straight from the button's own
// image onto the window: no canvas, and no DC beyond the window's own when
// none is given. Every property is read once (each read is a round trip to
// the window system, which costs as much as a small blend under Wine).
void BlendStoredState(HWND window, HDC dc, INT_PTR level) {
    if (!DrawnBySkin(window))
        return;
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const int state = StateNumber(StoredState(window));
    if (state < 0 || state >= StateCount)
        return;
    const HDC source = StateImageDc(window, state);

    platform::WindowDc own;
    HDC target = dc;
    if (!target) {
        own = platform::WindowDc::Whole(window);
        target = own.get();
    }
    // At full level a blend gives back the source's colours exactly.
    if (level == FullLevel) {
        BitBlt(target, 0, 0, bounds.Width, bounds.Height, source, 0, 0, SRCCOPY);
        return;
    }
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = static_cast<BYTE>(level);
    blend.AlphaFormat = 0;
    // gdi32's GdiAlphaBlend is msimg32's AlphaBlend; gdi32 is a known DLL.
    GdiAlphaBlend(target, 0, 0, bounds.Width, bounds.Height, source, 0, 0, bounds.Width,
                  bounds.Height, blend);
}

// BlendButtonFade with the level the caller has just read or written.
void BlendAt(HWND window, HDC dc, INT_PTR level) {
    MarkIfDisabled(window);
    BlendStoredState(window, dc, level);
}

}  // namespace

void BlendButtonFade(HWND window, HDC dc) {
    BlendAt(window, dc, GetSkinProp(window, prop::AlphaLevel));
}

namespace {

platform::Region CreateButtonRegion(HWND window, int width, int height) {
    // The corners round off as far as the face's art does, at its factor.
    const int corner = 3 * GlyphScaleOf(window);
    return platform::Region(CreateRoundRectRgn(0, 0, width + 1, height + 1, corner, corner));
}

}  // namespace

void ApplyButtonRegion(HWND window, int width, int height) {
    platform::Region region = CreateButtonRegion(window, width, height);
    // Once set, the region belongs to the window.
    if (region && SetWindowRgn(window, region.get(), TRUE))
        region.release();
}

bool HasButtonRegion(HWND window) {
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const platform::Region shown(CreateRectRgn(0, 0, 0, 0));
    const platform::Region own = CreateButtonRegion(window, bounds.Width, bounds.Height);
    return shown && own && GetWindowRgn(window, shown.get()) != ERROR &&
           EqualRgn(shown.get(), own.get());
}

namespace {

LRESULT PaintPushButton(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!DrawnBySkin(window))
        return platform::ForwardMessage(previous, window, message, wparam, lparam);
    StopFadeTimer(window);
    SetSkinProp(window, prop::AlphaLevel, FullLevel);
    const platform::PaintDc paint(window);
    MarkIfDisabled(window);
    BlendStoredState(window, paint.get(), FullLevel);
    return 0;
}

// WM_PRINTCLIENT (from WM_PRINT: AnimateWindow, a program drawing its dialog
// into a bitmap): the button as the skin shows it, into the DC given. Left
// to its procedure, the skin's owner-drawn button printed as a flat box.
LRESULT PrintPushButton(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!DrawnBySkin(window))
        return platform::ForwardMessage(previous, window, message, wparam, lparam);
    MarkIfDisabled(window);
    BlendStoredState(window, reinterpret_cast<HDC>(wparam), FullLevel);
    return 0;
}

// Four window-sized images, drawn, kept on the button.
void MakeStateImages(HWND window) {
    const platform::WindowDc window_dc = platform::WindowDc::Whole(window);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    StoreStateImages(window, StateImages(window_dc.get(), bounds.Width, bounds.Height));
    RenderButtonStates(window);
}

// New window-sized bitmaps for the four images, redrawn, and the region.
void Resize(HWND window) {
    WindowBounds bounds;
    {
        const platform::WindowDc window_dc = platform::WindowDc::Whole(window);
        GetWindowBounds(window, &bounds);
        StateImages images = TakeStateImages(window);
        images.Resize(window_dc.get(), bounds.Width, bounds.Height);
        StoreStateImages(window, std::move(images));
        RenderButtonStates(window);
    }
    ApplyButtonRegion(window, bounds.Width, bounds.Height);
}

void TakeOver(HWND window) {
    MakeStateImages(window);

    // The style before the change is stored first: it is what keeps the
    // button a push button to the skin once it is owner-drawn.
    SetSkinProp(window, prop::OldStyle, GetWindowLongPtrW(window, GWL_STYLE));
    SendMessageW(window, BM_SETSTYLE, BS_OWNERDRAW, -1);
    SetSkinProp(window, prop::MouseFlag, 0);
    SetSkinProp(window, prop::TimerId, 0);
    StoreState(window, IsWindowEnabled(window) ? VisualState::Normal : VisualState::Disabled);
    SetSkinProp(window, prop::AlphaLevel, 0);

    RECT outer{};
    GetWindowRect(window, &outer);
    ApplyButtonRegion(window, outer.right - outer.left, outer.bottom - outer.top);
}

void GiveBack(HWND window) {
    DeleteStateImages(window);
    StopFadeTimer(window);
    // Only what the skin changed goes back: the type, while it is still the
    // skin's owner-draw, and the region, while it is still the skin's. The
    // rest of the style (enabled, visible, tab stop) is the program's, and
    // so is a type or region it has set since. The type in OLDSTYLE is the
    // one the program or the dialog manager set last (SetStyle below).
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) {
        const LONG_PTR type = GetSkinProp(window, prop::OldStyle) & BS_TYPEMASK;
        SetWindowLongPtrW(window, GWL_STYLE, (style & ~LONG_PTR{BS_TYPEMASK}) | type);
    }
    const bool own_region = HasButtonRegion(window);
    RemoveSkinProp(window, prop::OldStyle);
    RemoveSkinProp(window, prop::MouseFlag);
    RemoveSkinProp(window, prop::TimerId);
    RemoveSkinProp(window, prop::OldState);
    RemoveSkinProp(window, prop::AlphaLevel);
    if (own_region)
        SetWindowRgn(window, nullptr, TRUE);
}

// A state shown at once, whole, with no fade.
void ShowPressedAtOnce(HWND window) {
    StopFadeTimer(window);
    StoreState(window, VisualState::Pressed);
    SetSkinProp(window, prop::AlphaLevel, FullLevel);
    BlendAt(window, nullptr, FullLevel);
    SetSkinProp(window, prop::AlphaLevel, 0);
}

// A state that fades in from `level` on the timer.
void FadeTo(HWND window, VisualState state, int level) {
    StoreState(window, state);
    SetSkinProp(window, prop::AlphaLevel, level);
    StartFadeTimer(window);
}

void MouseMove(HWND window, WPARAM, LPARAM, bool entered) {
    if (entered) {
        FadeTo(window, VisualState::Hover, HoverStartLevel);
        return;
    }
    // Moves outside the button arrive while it holds the capture (pressed
    // and dragged off): show the current state completely.
    if (!PointerOver(window)) {
        StopFadeTimer(window);
        SetSkinProp(window, prop::AlphaLevel, FullLevel);
        BlendAt(window, nullptr, FullLevel);
    }
}

void MouseLeave(HWND window) {
    // Part of the way towards hover, then a fade back to normal.
    SetSkinProp(window, prop::MouseFlag, 0);
    StoreState(window, VisualState::Hover);
    SetSkinProp(window, prop::AlphaLevel, LeaveBlendLevel);
    BlendAt(window, nullptr, LeaveBlendLevel);
    FadeTo(window, VisualState::Normal, HoverStartLevel);
}

void ButtonDown(HWND window, LPARAM) {
    ShowPressedAtOnce(window);
}

void ButtonUp(HWND window) {
    // The next move over the button counts as a fresh entry.
    SetSkinProp(window, prop::MouseFlag, 0);
    FadeTo(window, VisualState::Normal, ReleaseStartLevel);
}

void KeyDown(HWND window, WPARAM key) {
    if (key == VK_SPACE)
        ShowPressedAtOnce(window);
}

void KeyUp(HWND window, WPARAM key) {
    if (key != VK_SPACE)
        return;
    SetSkinProp(window, prop::MouseFlag, 0);
    FadeTo(window, VisualState::Normal, HoverStartLevel);
}

void FocusChanged(HWND window) {
    // The images gain or lose the focus rectangle; the same state fades in.
    RenderButtonStates(window);
    SetSkinProp(window, prop::AlphaLevel, HoverStartLevel);
    StartFadeTimer(window);
}

void Enabled(HWND window, WPARAM enable) {
    StoreState(window, enable ? VisualState::Normal : VisualState::Disabled);
    BlendButtonFade(window, nullptr);
}

void Tick(HWND window, WPARAM timer) {
    // Only the fade's own timer moves it, and only while it runs (a tick can
    // still be queued when the fade stops); any other timer (the program's,
    // a tooltip's) is only forwarded.
    if (timer != FadeTimerId)
        return;
    const INT_PTR running = GetSkinProp(window, prop::TimerId);
    if (running == 0 || static_cast<WPARAM>(running) != timer)
        return;
    INT_PTR level = GetSkinProp(window, prop::AlphaLevel);
    BlendAt(window, nullptr, level);
    level += FadeStep;
    if (level > FullLevel) {
        StopFadeTimer(window);
        level = 0;
    }
    SetSkinProp(window, prop::AlphaLevel, level);
}

bool IsPushType(LONG_PTR type) {
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// BM_SETSTYLE: the dialog manager moves the default with it (DM_SETDEFID,
// Tab onto a push button), and a program may set any type. The type asked
// for becomes the button's own, to be given back; a push type stays the
// skin's owner-draw meanwhile, so the skin goes on drawing it.
LRESULT SetStyle(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const LONG_PTR type = static_cast<LONG_PTR>(wparam) & BS_TYPEMASK;
    const LONG_PTR kept = GetSkinProp(window, prop::OldStyle);
    SetSkinProp(window, prop::OldStyle, (kept & ~LONG_PTR{BS_TYPEMASK}) | type);
    if (IsPushType(type))
        wparam = (wparam & ~WPARAM{BS_TYPEMASK}) | BS_OWNERDRAW;
    return platform::ForwardMessage(previous, window, message, wparam, lparam);
}

// WM_GETDLGCODE: an owner-drawn button tells the dialog manager it is only
// a button, which would keep it from finding, moving or drawing the default.
// Owner-drawn by the skin, the button answers as the platform's push button
// of its own type does.
LRESULT DialogCode(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    if (!IsSkinned(window) || !DrawnBySkin(window))
        return result;
    const LONG_PTR type = GetSkinProp(window, prop::OldStyle) & BS_TYPEMASK;
    if (!IsPushType(type))
        return result;
    const LRESULT push = type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    return (result & ~LRESULT{DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON}) | DLGC_BUTTON | push;
}

// The platform's push button takes a double click as a second press (a
// second BN_CLICKED on release), while an owner-drawn one only tells its
// parent (BN_DOUBLECLICKED): the second click of a double click was lost,
// and a program acting on any notice from the button took the report for a
// click. For the time the message is forwarded, the button has its own type.
LRESULT ForwardDoubleClickAsOwnType(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR own = GetSkinProp(window, prop::OldStyle) & BS_TYPEMASK;
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW || !IsPushType(own))
        return platform::ForwardMessage(previous, window, message, wparam, lparam);
    constexpr LONG_PTR kOtherBits = ~LONG_PTR{BS_TYPEMASK};
    SetWindowLongPtrW(window, GWL_STYLE, (style & kOtherBits) | own);
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    // Unless the program gave it back, or another type, meanwhile.
    const LONG_PTR now = GetWindowLongPtrW(window, GWL_STYLE);
    if (IsSkinned(window) && (now & BS_TYPEMASK) == own)
        SetWindowLongPtrW(window, GWL_STYLE, (now & kOtherBits) | BS_OWNERDRAW);
    return result;
}

}  // namespace

KindEntryPoints PushButtonKind() {
    KindEntryPoints k;
    k.take_over = TakeOver;
    k.give_back = GiveBack;
    k.paint = PaintPushButton;
    k.print_client = PrintPushButton;
    k.set_style = SetStyle;
    k.dialog_code = DialogCode;
    k.sized = Resize;
    k.follows_pointer = true;
    k.mouse_move = MouseMove;
    k.mouse_leave = MouseLeave;
    k.button_down = ButtonDown;
    k.double_click = ButtonDown;
    k.forward_double_click = ForwardDoubleClickAsOwnType;
    k.button_up = ButtonUp;
    k.key_down = KeyDown;
    k.key_up = KeyUp;
    k.focus_changed = FocusChanged;
    k.enabled = Enabled;
    k.timer = Tick;
    return k;
}

}  // namespace taverel::skin
