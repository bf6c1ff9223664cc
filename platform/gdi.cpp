#include "platform/gdi.h"

#include <olectl.h>

namespace taverel::platform {

MemoryDc CreateDisplayDc() {
    return MemoryDc(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
}

MemoryDc CreateCompatibleMemoryDc(HDC reference) {
    return MemoryDc(CreateCompatibleDC(reference));
}

Bitmap CreateCompatibleBitmapFor(HDC reference, int width, int height) {
    return Bitmap(CreateCompatibleBitmap(reference, width, height));
}

Bitmap CreateMonochromeBitmap(int width, int height) {
    return Bitmap(CreateBitmap(width, height, 1, 1, nullptr));
}

Brush CreateSolidBrushOf(COLORREF colour) {
    return Brush(CreateSolidBrush(colour));
}

Palette CreateHalftonePaletteFor(HDC reference) {
    return Palette(CreateHalftonePalette(reference));
}

COLORREF TranslateOleColour(COLORREF colour, HPALETTE palette) {
    COLORREF translated = colour;
    // On failure (an unknown system colour index) the value is kept as given.
    if (OleTranslateColor(static_cast<OLE_COLOR>(colour), palette, &translated) != S_OK)
        translated = colour;
    return translated & 0x00FFFFFF;
}

}  // namespace taverel::platform
