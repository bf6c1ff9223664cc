// Hover, press, keyboard, focus, enable and timer handlers. Push buttons
// change their visual state and fade; the other tracked kinds are handed to
// their painters' tracking (other_kinds.h) once the message has been
// forwarded.
#include "skin/control_kind.h"
#include "skin/fade.h"
#include "skin/handlers.h"
#include "skin/other_kinds.h"
#include "skin/properties.h"
#include "skin/push_button.h"

namespace taverel::skin {

namespace {

bool TracksMouse(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::Header:
            return true;
        default:
            return false;
    }
}

// The forwarded message can run application code that gives the window back
// (or destroys it); its state must not be rebuilt afterwards.
bool StillSkinned(HWND window) {
    return IsSkinned(window);
}

void ShowPressedAtOnce(HWND window) {
    StopFadeTimer(window);
    StoreState(window, VisualState::Pressed);
    SetSkinProp(window, prop::AlphaLevel, FullLevel);
    BlendButtonFade(window, nullptr);
    SetSkinProp(window, prop::AlphaLevel, 0);
}

}  // namespace

LRESULT OnMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!TracksMouse(kind) || !StillSkinned(window))
        return result;

    const bool entered = GetSkinProp(window, prop::MouseFlag) == 0;
    if (entered) {
        SetSkinProp(window, prop::MouseFlag, 1);
        RequestMouseLeave(window);
    }
    if (kind != ControlKind::PushButton) {
        TrackMouseMove(window, kind, wparam, lparam);
        return result;
    }
    if (entered) {
        StoreState(window, VisualState::Hover);
        SetSkinProp(window, prop::AlphaLevel, HoverStartLevel);
        StartFadeTimer(window);
        return result;
    }
    // Moves outside the button arrive while it holds the capture (pressed
    // and dragged off): show the current state completely.
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != window) {
        StopFadeTimer(window);
        SetSkinProp(window, prop::AlphaLevel, FullLevel);
        BlendButtonFade(window, nullptr);
    }
    return result;
}

LRESULT OnMouseLeave(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!TracksMouse(kind) || !StillSkinned(window))
        return result;
    if (kind != ControlKind::PushButton) {
        TrackMouseLeave(window, kind);
        return result;
    }
    // Part of the way towards hover, then a fade back to normal.
    SetSkinProp(window, prop::MouseFlag, 0);
    StoreState(window, VisualState::Hover);
    SetSkinProp(window, prop::AlphaLevel, LeaveBlendLevel);
    BlendButtonFade(window, nullptr);
    StoreState(window, VisualState::Normal);
    SetSkinProp(window, prop::AlphaLevel, HoverStartLevel);
    StartFadeTimer(window);
    return result;
}

LRESULT OnLButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!StillSkinned(window))
        return result;
    if (kind == ControlKind::PushButton)
        ShowPressedAtOnce(window);
    else
        TrackLButtonDown(window, kind, lparam);
    return result;
}

LRESULT OnLButtonDblClk(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!StillSkinned(window))
        return result;
    if (kind == ControlKind::PushButton)
        ShowPressedAtOnce(window);
    else
        TrackLButtonDblClk(window, kind, lparam);
    return result;
}

LRESULT OnLButtonUp(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!StillSkinned(window))
        return result;
    if (kind != ControlKind::PushButton) {
        TrackLButtonUp(window, kind);
        return result;
    }
    // The next move over the button counts as a fresh entry.
    SetSkinProp(window, prop::MouseFlag, 0);
    StoreState(window, VisualState::Normal);
    SetSkinProp(window, prop::AlphaLevel, ReleaseStartLevel);
    StartFadeTimer(window);
    return result;
}

LRESULT OnKeyDown(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!StillSkinned(window))
        return result;
    if (kind != ControlKind::PushButton) {
        TrackKeyDown(window, kind, wparam);
        return result;
    }
    if (wparam == VK_SPACE)
        ShowPressedAtOnce(window);
    return result;
}

LRESULT OnKeyUp(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!StillSkinned(window))
        return result;
    if (kind != ControlKind::PushButton) {
        TrackKeyUp(window, kind, wparam);
        return result;
    }
    if (wparam == VK_SPACE) {
        SetSkinProp(window, prop::MouseFlag, 0);
        SetSkinProp(window, prop::AlphaLevel, HoverStartLevel);
        StoreState(window, VisualState::Normal);
        StartFadeTimer(window);
    }
    return result;
}

namespace {

LRESULT OnFocusChange(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (!StillSkinned(window))
        return result;
    if (kind != ControlKind::PushButton) {
        TrackFocusChange(window, kind);
        return result;
    }
    // The images gain or lose the focus rectangle; the same state fades in.
    RenderButtonStates(window);
    SetSkinProp(window, prop::AlphaLevel, HoverStartLevel);
    StartFadeTimer(window);
    return result;
}

}  // namespace

LRESULT OnSetFocus(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return OnFocusChange(previous, window, message, wparam, lparam);
}

LRESULT OnKillFocus(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return OnFocusChange(previous, window, message, wparam, lparam);
}

LRESULT OnEnable(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const ControlKind kind = GetControlKind(window);
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (kind != ControlKind::PushButton || !StillSkinned(window))
        return result;
    StoreState(window, wparam ? VisualState::Normal : VisualState::Disabled);
    BlendButtonFade(window, nullptr);
    return result;
}

LRESULT OnTimer(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (GetControlKind(window) == ControlKind::PushButton) {
        // Any WM_TIMER advances the fade, whichever timer sent it.
        INT_PTR level = GetSkinProp(window, prop::AlphaLevel);
        BlendButtonFade(window, nullptr);
        level += FadeStep;
        if (level > FullLevel) {
            StopFadeTimer(window);
            level = 0;
        }
        SetSkinProp(window, prop::AlphaLevel, level);
    }
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

}  // namespace taverel::skin
