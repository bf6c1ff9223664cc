#include "platform/dpi.h"

#include "platform/handles.h"

#include <cmath>

namespace taverel::platform {

namespace {

int DcDpi(HWND window) {
    const auto dc = WindowDc::Client(window);
    const int dpi = dc ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int SystemDpi() {
    return DcDpi(nullptr);
}

int WindowDpi(HWND window) {
    return window ? DcDpi(window) : SystemDpi();
}

int ScaleToDpi(int pixels_at_base, int dpi) {
    // The default rounding mode takes halves to the even neighbour; a half
    // (a multiple of 48 over 96) is exact in a double.
    return static_cast<int>(std::nearbyint(static_cast<double>(pixels_at_base) * dpi / kBaseDpi));
}

}  // namespace taverel::platform
