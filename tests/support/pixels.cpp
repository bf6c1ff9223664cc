#include "tests/support/pixels.h"

namespace taverel::testing {

int CountPixels(HWND window, const RECT& box, COLORREF colour) {
    const HDC dc = GetDC(window);
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (GetPixel(dc, x, y) == colour)
                ++count;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

}  // namespace taverel::testing
