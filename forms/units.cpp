#include "forms/units.h"

#include "platform/dpi.h"

#include <cmath>

namespace taverel::forms {

Dpi ScreenDpi() {
    // The one DPI the skin and the pictures use too; pixels are square.
    const int dpi = platform::SystemDpi();
    return Dpi{dpi, dpi};
}

int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

RECT TwipsToPixels(const TwipsRect& twips, Dpi dpi) {
    const int left = TwipsToPixels(twips.left, dpi.x);
    const int top = TwipsToPixels(twips.top, dpi.y);
    return RECT{left, top, left + TwipsToPixels(twips.width, dpi.x),
                top + TwipsToPixels(twips.height, dpi.y)};
}

int PointsToFontHeight(double points, int dpi_y) {
    return -static_cast<int>(std::lround(points * dpi_y / 72.0));
}

}  // namespace taverel::forms
