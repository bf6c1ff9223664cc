// Window geometry and text queries the painters use.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <string>

namespace taverel::skin {

// A window's outer rectangle in screen coordinates (border, scroll bars and
// title bar included) with its width and height.
struct WindowBounds {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width = 0;
    int Height = 0;
};

// Returns GetWindowRect's result.
BOOL GetWindowBounds(HWND window, WindowBounds* bounds);

// Thickness of the non-client frame on one side (scroll bars excluded),
// rounded half to even. Always returns 1.
int GetBorderSize(HWND window, int* border_width, int* border_height);

// The window's whole text.
std::wstring GetWindowCaption(HWND window);

// Signed halves of a packed mouse position (negative left of / above the client area).
int LowWord(std::uint32_t value);
int HighWord(std::uint32_t value);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfEven(double value);

}  // namespace taverel::skin
