#include "skin/kinds/kind_parts.h"

#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/primitives.h"
#include "skin/properties.h"

#include <cstdint>

namespace taverel::skin {

void TakeOverTracked(HWND window) {
    SetSkinProp(window, prop::MouseFlag, 0);
    StoreState(window, VisualState::Normal);
}

void GiveBackTracked(HWND window) {
    RemoveSkinProp(window, prop::MouseFlag);
    RemoveSkinProp(window, prop::OldState);
}

VisualState HeldState(WPARAM buttons) {
    return (buttons & MK_LBUTTON) ? VisualState::Pressed : VisualState::Hover;
}

bool PointerOver(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor) == window;
}

int PointerX(LPARAM point) {
    return LowWord(static_cast<std::uint32_t>(point));
}

int PointerY(LPARAM point) {
    return HighWord(static_cast<std::uint32_t>(point));
}

COLORREF FrameColour(HWND window) {
    return IsWindowEnabled(window) ? BorderColour : DisabledBorderColour;
}

void PaintListBorder(HDC dc, int width, int height, bool enabled) {
    FrameSolidRect(dc, 0, 0, width, height, enabled ? BorderColour : DisabledBorderColour);
    FrameSolidRect(dc, 1, 1, width - 2, height - 2, White);
}

}  // namespace taverel::skin
