// The skin's colours, 0x00BBGGRR (red in the low byte).
#pragma once

#include "platform/win.h"

namespace taverel::skin {

constexpr COLORREF TransparentKey = 0x00FF00FF;
constexpr COLORREF BorderColour = 0x00D5A554;
constexpr COLORREF DisabledBorderColour = 0x00E9CFA4;
constexpr COLORREF PressedBorderColour = 0x00C48639;
constexpr COLORREF ProgressFillColour = 0x00F6D64C;
constexpr COLORREF DisabledTextColour = 0x00968A79;
constexpr COLORREF White = 0x00FFFFFF;
constexpr COLORREF Black = 0x00000000;

}  // namespace taverel::skin
