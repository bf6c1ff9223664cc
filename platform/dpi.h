// The DPI a window is drawn at. The program declares itself system-DPI aware,
// so every window it makes is created at the system DPI and keeps it for its
// lifetime (no per-monitor changes): the forms layer sizes a window from it,
// and the skin and our pictures draw into that window at the same DPI.
#pragma once

#include "platform/win.h"

namespace taverel::platform {

// 100 %: the DPI every pixel measure of the program is written for.
inline constexpr int kBaseDpi = 96;

// The DPI new windows are created at (the screen's LOGPIXELSY).
int SystemDpi();
// The DPI `window` was created at, as its own device context reports it.
int WindowDpi(HWND window);

// value × numerator / denominator (denominator > 0) rounded to the nearest
// integer, halves to the even neighbour: the one rounding of every DPI
// conversion in the program. Whole-number arithmetic, so the floating-point
// rounding mode cannot change a pixel.
int ScaleRounded(int value, int numerator, int denominator);

// A length given at 96 DPI, at `dpi`: ScaleRounded(pixels_at_base, dpi, 96).
int ScaleToDpi(int pixels_at_base, int dpi);

}  // namespace taverel::platform
