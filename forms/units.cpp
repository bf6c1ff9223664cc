#include "forms/units.h"

#include "platform/dpi.h"

#include <cmath>

namespace taverel::forms {

Dpi ScreenDpi() {
    // The one DPI the skin and the pictures use too; pixels are square.
    const int dpi = platform::SystemDpi();
    return Dpi{dpi, dpi};
}

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kHundredthsPerInch = 7200;

}  // namespace

int TwipsToPixels(int twips, int dpi) {
    return platform::ScaleRounded(twips, dpi, kTwipsPerInch);
}

RECT TwipsToPixels(const TwipsRect& twips, Dpi dpi) {
    return RECT{TwipsToPixels(twips.left, dpi.x), TwipsToPixels(twips.top, dpi.y),
                TwipsToPixels(twips.left + twips.width, dpi.x),
                TwipsToPixels(twips.top + twips.height, dpi.y)};
}

int PointsToFontHeight(double points, int dpi_y) {
    const int hundredths = static_cast<int>(std::lround(points * 100.0));
    return -platform::ScaleRounded(hundredths, dpi_y, kHundredthsPerInch);
}

}  // namespace taverel::forms
