// Small pieces several kinds share.
#pragma once

#include "platform/win.h"
#include "skin/draw/visual_state.h"

namespace taverel::skin {

// The properties of a kind that draws its state at once (toggles, combos):
// MOUSEFLAG 0 and OLDSTATE Normal; given back by removing them.
void TakeOverTracked(HWND window);
void GiveBackTracked(HWND window);

// Pressed while the left button is held, else Hover.
VisualState HeldState(WPARAM buttons);
// Whether the pointer is over the window itself now.
bool PointerOver(HWND window);
// The signed client coordinates packed in a mouse message.
int PointerX(LPARAM point);
int PointerY(LPARAM point);

// The border colour of the window's enabled state.
COLORREF FrameColour(HWND window);
// Outer one-pixel frame (0, 0, W, H) in the border colour of the enabled
// state, inner one-pixel frame (1, 1, W - 2, H - 2) in white.
void PaintListBorder(HDC dc, int width, int height, bool enabled);

}  // namespace taverel::skin
