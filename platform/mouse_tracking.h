// The one-shot notice that the pointer has left a window (WM_MOUSELEAVE).
// Old systems lack TrackMouseEvent in user32; comctl32's _TrackMouseEvent
// does the same job there.
#pragma once

#include "platform/win.h"

namespace taverel::platform {

enum class LeaveNoticeService { User32, Comctl32 };

// Asks `service` to post one WM_MOUSELEAVE to the window when the pointer
// leaves it. Returns the platform call's result.
BOOL RequestLeaveNotice(HWND window, LeaveNoticeService service);

}  // namespace taverel::platform
