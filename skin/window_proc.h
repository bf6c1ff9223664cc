// The one replacement window procedure of every skinned window.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

// Routes 19 messages to the skin's handlers and forwards everything else to
// the procedure kept in PROCADDR; without PROCADDR, DefWindowProcW.
LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// After a left-button release: repaints a skinned check box or option button
// in the normal look with its current check state. Always goes on.
BOOL CALLBACK RefreshToggleButtons(HWND child, LPARAM value);

}  // namespace taverel::skin
