#include "tests/draw/canvas_pixels.h"

#include "skin/draw/primitives.h"

namespace taverel::testing {

skin::MemoryCanvas FilledCanvas(int width, int height, COLORREF colour) {
    skin::MemoryCanvas canvas = skin::CreateMemoryCanvas(width, height);
    if (canvas)
        skin::FillSolidRect(canvas.dc(), 0, 0, width, height, colour);
    return canvas;
}

}  // namespace taverel::testing
