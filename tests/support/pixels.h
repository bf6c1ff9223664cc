// Reading pixels back, for every pixel test: from a DC the test owns, or
// from what a window shows through its whole-window DC (frame included) or
// its client DC. GetPixel per pixel is slow but exact on every DC kind.
#pragma once

#include "platform/win.h"

#include <functional>
#include <vector>

namespace taverel::testing {

// What a test fills a surface or window with first, so that every pixel a
// painter leaves alone shows: in no glyph sheet and none of the skin's colours.
constexpr COLORREF Sentinel = 0x00030201;

COLORREF WindowPixel(HWND window, int x, int y);
COLORREF ClientPixel(HWND window, int x, int y);

// A box of pixels read once, row by row. Outside it, At gives CLR_INVALID
// as GetPixel does.
struct PixelShot {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return CLR_INVALID;
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

PixelShot ReadPixels(HDC dc, int width, int height);
enum class WindowArea { Whole, Client };
// The whole window or client area; `columns` or `rows` > 0 read only that
// many from the top left.
PixelShot ReadWindow(HWND window, WindowArea area, int columns = 0, int rows = 0);
int CountDifferences(const PixelShot& a, const PixelShot& b);

// Pixels of the box (x, y, width, height) for which `test` holds.
int CountPixels(HDC dc, int x, int y, int width, int height,
                const std::function<bool(int, int, COLORREF)>& test);
// Pixels of the top-left `width` x `height` of `dc` that are not
// `expected(x, y)`.
int CountMisses(HDC dc, int width, int height, const std::function<COLORREF(int, int)>& expected);
// Pixels of exactly `colour` inside `box` of the window's client area.
int CountPixels(HWND window, const RECT& box, COLORREF colour);

}  // namespace taverel::testing
