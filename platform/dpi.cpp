#include "platform/dpi.h"

#include "platform/handles.h"

#include <cstdint>

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

int ScaleRounded(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    // Floor division, then the remainder decides: above a half rounds up, a
    // half goes to the even quotient.
    std::int64_t quotient = product / denominator;
    std::int64_t remainder = product % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return static_cast<int>(quotient);
}

int ScaleToDpi(int pixels_at_base, int dpi) {
    return ScaleRounded(pixels_at_base, dpi, kBaseDpi);
}

}  // namespace taverel::platform
