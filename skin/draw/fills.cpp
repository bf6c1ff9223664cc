#include "skin/draw/primitives.h"

#include "platform/gdi.h"

namespace taverel::skin {

namespace {

RECT BoxRect(int x, int y, int width, int height) {
    return RECT{x, y, x + width, y + height};
}

}  // namespace

BOOL FillSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    const RECT box = BoxRect(x, y, width, height);
    platform::Brush brush = platform::CreateSolidBrushOf(colour);
    return FillRect(dc, &box, brush.get());
}

BOOL FrameSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    const RECT box = BoxRect(x, y, width, height);
    platform::Brush brush = platform::CreateSolidBrushOf(colour);
    return FrameRect(dc, &box, brush.get());
}

BOOL DrawFocusBox(HDC dc, int x, int y, int width, int height) {
    const RECT box = BoxRect(x, y, width, height);
    return DrawFocusRect(dc, &box);
}

int DrawTextBox(HDC dc, const std::wstring& text, int x, int y, int width, int height,
                UINT format) {
    RECT box = BoxRect(x, y, width, height);
    return DrawTextW(dc, text.c_str(), -1, &box, format);
}

}  // namespace taverel::skin
