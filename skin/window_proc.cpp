#include "skin/window_proc.h"

#include "skin/attach.h"
#include "skin/control_kind.h"
#include "skin/handlers.h"
#include "skin/other_kinds.h"
#include "skin/properties.h"
#include "skin/push_button.h"

namespace taverel::skin {

namespace {

// Pop-ups named by the message (a dialog box or menu of a modal loop, a
// combo box's drop-down list) are skinned once the message has passed;
// SkinWindow leaves an already skinned window alone, so repeats are free.
LRESULT ForwardThenSkinPopup(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (lparam != 0)
        SkinWindow(reinterpret_cast<HWND>(lparam));
    return result;
}

LRESULT ReleaseThenRefreshToggles(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                                  LPARAM lparam) {
    const LRESULT result = OnLButtonUp(previous, window, message, wparam, lparam);
    HWND root = GetParent(window);
    if (!root)
        root = window;
    EnumChildWindows(root, RefreshToggleButtons, 0);
    return result;
}

}  // namespace

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!window)
        return 0;
    const WNDPROC previous = PreviousProcedure(window);
    if (!previous)
        return DefWindowProcW(window, message, wparam, lparam);

    switch (message) {
        case WM_DESTROY:
            // Give the window back first; the destroy message still reaches
            // the procedure read above.
            UnskinWindow(window);
            return CallWindowProcW(previous, window, message, wparam, lparam);
        case WM_SIZE:
            return OnSize(previous, window, message, wparam, lparam);
        case WM_ACTIVATE:
            return OnActivate(previous, window, message, wparam, lparam);
        case WM_SETFOCUS:
            return OnSetFocus(previous, window, message, wparam, lparam);
        case WM_KILLFOCUS:
            return OnKillFocus(previous, window, message, wparam, lparam);
        case WM_ENABLE:
            return OnEnable(previous, window, message, wparam, lparam);
        case WM_PAINT:
            return OnPaint(previous, window, message, wparam, lparam);
        case WM_WINDOWPOSCHANGING:
            return OnWindowPosChanging(previous, window, message, wparam, lparam);
        case WM_NCPAINT:
            return OnNcPaint(previous, window, message, wparam, lparam);
        case WM_KEYDOWN:
            return OnKeyDown(previous, window, message, wparam, lparam);
        case WM_KEYUP:
            return OnKeyUp(previous, window, message, wparam, lparam);
        case WM_TIMER:
            return OnTimer(previous, window, message, wparam, lparam);
        case WM_ENTERIDLE:
        case WM_CTLCOLORLISTBOX:
            return ForwardThenSkinPopup(previous, window, message, wparam, lparam);
        case WM_MOUSEMOVE:
            return OnMouseMove(previous, window, message, wparam, lparam);
        case WM_LBUTTONDOWN:
            return OnLButtonDown(previous, window, message, wparam, lparam);
        case WM_LBUTTONUP:
            return ReleaseThenRefreshToggles(previous, window, message, wparam, lparam);
        case WM_LBUTTONDBLCLK:
            return OnLButtonDblClk(previous, window, message, wparam, lparam);
        case WM_MOUSELEAVE:
            return OnMouseLeave(previous, window, message, wparam, lparam);
        default:
            return CallWindowProcW(previous, window, message, wparam, lparam);
    }
}

BOOL CALLBACK RefreshToggleButtons(HWND child, LPARAM) {
    if (!IsSkinned(child))
        return TRUE;
    switch (GetControlKind(child)) {
        case ControlKind::CheckBox:
            PaintCheckBox(child, VisualState::Normal, true);
            break;
        case ControlKind::OptionButton:
            PaintOptionButton(child, VisualState::Normal, true);
            break;
        default:
            break;
    }
    return TRUE;
}

LRESULT OnActivate(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Skinned before forwarding: the window being activated is drawn by the
    // skin from its first activation on.
    const HWND other = reinterpret_cast<HWND>(lparam);
    if (other) {
        if (GetParent(other) == window)
            SkinWindow(other);
        else if (GetControlKind(other) == ControlKind::Form)
            SkinWindow(other);
    }
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

LRESULT OnWindowPosChanging(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam) {
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    const ControlKind kind = GetControlKind(window);
    if (kind == ControlKind::ComboBox || kind == ControlKind::DriveList)
        PaintComboButton(window, nullptr, VisualState::Normal, false);
    return result;
}

LRESULT OnPaint(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (GetControlKind(window) == ControlKind::PushButton)
        return PaintPushButton(previous, window, message, wparam, lparam);
    return PaintOtherKinds(previous, window, message, wparam, lparam);
}

LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (GetControlKind(window) == ControlKind::PushButton)
        return SizePushButton(previous, window, message, wparam, lparam);
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

}  // namespace taverel::skin
