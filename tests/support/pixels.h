// Reading back what a window shows, for pixel tests.
#pragma once

#include "platform/win.h"

namespace taverel::testing {

// Pixels of exactly `colour` inside `box` of the window's client area.
int CountPixels(HWND window, const RECT& box, COLORREF colour);

}  // namespace taverel::testing
