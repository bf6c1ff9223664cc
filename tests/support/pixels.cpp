#include "tests/support/pixels.h"

#include "platform/handles.h"

namespace taverel::testing {

COLORREF WindowPixel(HWND window, int x, int y) {
    return GetPixel(platform::WindowDc::Whole(window).get(), x, y);
}

COLORREF ClientPixel(HWND window, int x, int y) {
    return GetPixel(platform::WindowDc::Client(window).get(), x, y);
}

PixelShot ReadPixels(HDC dc, int width, int height) {
    PixelShot shot;
    shot.width = width;
    shot.height = height;
    shot.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            shot.pixels.push_back(GetPixel(dc, x, y));
    }
    return shot;
}

PixelShot ReadWindow(HWND window, WindowArea area, int columns, int rows) {
    RECT box{};
    if (area == WindowArea::Whole) {
        GetWindowRect(window, &box);
        OffsetRect(&box, -box.left, -box.top);
    } else {
        GetClientRect(window, &box);
    }
    const platform::WindowDc dc = area == WindowArea::Whole ? platform::WindowDc::Whole(window)
                                                            : platform::WindowDc::Client(window);
    return ReadPixels(dc.get(), columns > 0 ? columns : box.right, rows > 0 ? rows : box.bottom);
}

int CountDifferences(const PixelShot& a, const PixelShot& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i)
        count += a.pixels[i] != b.pixels[i] ? 1 : 0;
    return count;
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

int CountMisses(HDC dc, int width, int height, const std::function<COLORREF(int, int)>& expected) {
    return CountPixels(dc, 0, 0, width, height,
                       [&expected](int x, int y, COLORREF c) { return c != expected(x, y); });
}

int CountPixels(HWND window, const RECT& box, COLORREF colour) {
    const platform::WindowDc dc = platform::WindowDc::Client(window);
    return CountPixels(dc.get(), box.left, box.top, box.right - box.left, box.bottom - box.top,
                       [colour](int, int, COLORREF c) { return c == colour; });
}

}  // namespace taverel::testing
