#include "skin/draw/geometry.h"

#include <cmath>
#include <vector>

namespace taverel::skin {

BOOL GetWindowBounds(HWND window, WindowBounds* bounds) {
    RECT outer{};
    const BOOL result = GetWindowRect(window, &outer);
    bounds->Left = outer.left;
    bounds->Top = outer.top;
    bounds->Right = outer.right;
    bounds->Bottom = outer.bottom;
    bounds->Width = outer.right - outer.left;
    bounds->Height = outer.bottom - outer.top;
    return result;
}

int GetBorderSize(HWND window, int* border_width, int* border_height) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    int dx = (outer.right - outer.left) - (client.right - client.left);
    int dy = (outer.bottom - outer.top) - (client.bottom - client.top);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (style & WS_VSCROLL)
        dx -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        dy -= GetSystemMetrics(SM_CYHSCROLL);
    *border_width = RoundHalfEven(dx / 2.0);
    *border_height = RoundHalfEven(dy / 2.0);
    return 1;
}

std::wstring GetWindowCaption(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    // The text may have shrunk since its length was read; keep what came.
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

int LowWord(std::uint32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFFu));
}

int HighWord(std::uint32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value >> 16));
}

int RoundHalfEven(double value) {
    // Explicit rather than nearbyint so the floating-point rounding mode
    // cannot change the result.
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5)
        rounded = lower + 1.0;
    else if (fraction == 0.5)
        rounded = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
    return static_cast<int>(rounded);
}

}  // namespace taverel::skin
