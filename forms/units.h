// Measures as the window tables give them: positions and sizes in twips
// (1/1440 inch), fonts in points. Both are turned into pixels with the
// screen's real DPI, so the layout keeps its physical size on any setting.
#pragma once

#include "platform/win.h"

namespace taverel::forms {

struct Dpi {
    int x = 96;
    int y = 96;
};

// A rectangle in twips: left, top, width, height.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The screen's pixels per inch (LOGPIXELSX / LOGPIXELSY).
Dpi ScreenDpi();

// Rounds to the nearest pixel, halves to the even one (15 twips per pixel
// at 96 DPI), as every DPI conversion does (platform::ScaleRounded).
int TwipsToPixels(int twips, int dpi);

// The rectangle in pixels, right and bottom exclusive. Its edges are rounded,
// not its size: two rectangles that share an edge in twips share it in
// pixels, at the cost of a size that may differ by a pixel from
// TwipsToPixels(width).
RECT TwipsToPixels(const TwipsRect& twips, Dpi dpi);

// The LOGFONT height (negative: character height) of a size in points
// (taken to the hundredth of a point).
int PointsToFontHeight(double points, int dpi_y);

}  // namespace taverel::forms
