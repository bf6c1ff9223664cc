// Push buttons: four state images rendered ahead of time (StateImages, kept
// on the button under HDC0..HDC3 and BMP0..BMP3), shown by one constant-alpha
// blend of the image of the current state, which fades in on a timer.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

// Redraws all four images: face, caption, focus rectangle while focused.
void RenderButtonStates(HWND window);
// Blends the image of OLDSTATE (forced to 3 when disabled) at ALPHALEVEL onto
// the button; a null dc means the button's own window DC.
void BlendButtonFade(HWND window, HDC dc);

// The rounded shape of a skinned button W x H: corners cut by a 3 x 3 ellipse.
void ApplyButtonRegion(HWND window, int width, int height);
// Whether the window's region is still that shape at its present size (and
// not one the program has set since).
bool HasButtonRegion(HWND window);

// The push-button entry points are PushButtonKind() of the kind table: the
// images are made on take-over, rebuilt on WM_SIZE, and every mouse,
// keyboard, focus and enable event picks a state that fades in on WM_TIMER.

}  // namespace taverel::skin
