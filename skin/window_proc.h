// The one replacement window procedure of every skinned window.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

// Routes 23 messages: each is forwarded to the procedure kept in PROCADDR
// and the rest of the work goes to the window's kind (or the kind takes the
// message whole); everything else is only forwarded. Without PROCADDR,
// DefWindowProcW.
LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// After a left-button release anywhere in the tree: the kind's
// release_in_tree (a check box or option button repaints itself in the
// normal look with its current check state). Always goes on.
BOOL CALLBACK RefreshToggleButtons(HWND child, LPARAM value);

}  // namespace taverel::skin
