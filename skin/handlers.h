// The skin's message handlers. Each gets the previous window procedure and
// the message, forwards the message to that procedure exactly once and, unless
// noted, returns its result unchanged.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

using Handler = LRESULT (*)(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam);

// Pop-ups and position (skins before forwarding on WM_ACTIVATE).
LRESULT OnActivate(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnWindowPosChanging(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam);

// Hover, press, keyboard, focus, enable and fade ticks.
LRESULT OnSetFocus(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnKillFocus(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnEnable(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnKeyDown(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnKeyUp(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnTimer(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnMouseLeave(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnLButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnLButtonUp(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnLButtonDblClk(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Painting: push buttons here, every other class in other_kinds.h.
LRESULT OnPaint(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace taverel::skin
