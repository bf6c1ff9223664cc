// The push buttons' fade timer and the mouse-leave request shared by every
// kind that follows the pointer.
#pragma once

#include "platform/mouse_tracking.h"
#include "platform/win.h"

namespace taverel::skin {

// The fade's timer on the button: the address of a value of the skin's own,
// an identifier no program chooses for a timer of its own (they count from
// 1), so a program's timers on a skinned button are never replaced, killed
// or taken for fade ticks.
extern const UINT_PTR FadeTimerId;
constexpr UINT FadeInterval = 15;  // milliseconds per tick
constexpr int FadeStep = 3;        // ALPHALEVEL gained per tick
constexpr int FullLevel = 255;
constexpr int HoverStartLevel = 0;
constexpr int ReleaseStartLevel = 60;
constexpr int LeaveBlendLevel = 140;

// Starts the window's fade timer unless one runs; returns the new TIMERID, or
// 0 when one ran already (or SetTimer failed).
UINT_PTR StartFadeTimer(HWND window);
// Kills the running fade timer and clears TIMERID; 0 when none ran, else
// KillTimer's result.
BOOL StopFadeTimer(HWND window);

// Asks for one WM_MOUSELEAVE when the pointer leaves the window: through
// user32 when the probe found TrackMouseEvent there, else through comctl32.
// Returns the service asked.
platform::LeaveNoticeService RequestMouseLeave(HWND window);

}  // namespace taverel::skin
