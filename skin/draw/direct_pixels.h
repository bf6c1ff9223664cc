// Pixels handled directly as 32-bit values: the layout shared by the glyph
// sheets' writing and the colour-keyed copy's DIB sections.
#pragma once

#include "platform/win.h"

#include <cstdint>

namespace taverel::skin {

// A DIB pixel is 0x00RRGGBB, a COLORREF 0x00BBGGRR.
inline std::uint32_t DibPixel(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

// A 32-bit DIB of width x height with its rows top-down.
inline BITMAPINFO TopDown32BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace taverel::skin
