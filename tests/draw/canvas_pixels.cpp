#include "tests/draw/canvas_pixels.h"

#include "skin/draw/primitives.h"

namespace taverel::testing {

skin::MemoryCanvas FilledCanvas(int width, int height, COLORREF colour) {
    skin::MemoryCanvas canvas = skin::CreateMemoryCanvas(width, height);
    if (canvas)
        skin::FillSolidRect(canvas.dc(), 0, 0, width, height, colour);
    return canvas;
}

int CountPixels(HDC dc, int x, int y, int width, int height,
                const std::function<bool(int, int, COLORREF)>& test) {
    int count = 0;
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            if (test(column, row, GetPixel(dc, column, row)))
                ++count;
        }
    }
    return count;
}

}  // namespace taverel::testing
