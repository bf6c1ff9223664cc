// Surfaces the pixel tests own and read back: canvases filled with a
// sentinel first, so that every pixel a primitive did not write shows.
#pragma once

#include "platform/win.h"
#include "skin/draw/canvas.h"

#include <functional>

namespace taverel::testing {

// Appears in no glyph sheet.
constexpr COLORREF Sentinel = 0x00030201;

skin::MemoryCanvas FilledCanvas(int width, int height, COLORREF colour = Sentinel);

// Number of pixels of the box (x, y, width, height) for which `test` holds.
int CountPixels(HDC dc, int x, int y, int width, int height,
                const std::function<bool(int, int, COLORREF)>& test);

}  // namespace taverel::testing
