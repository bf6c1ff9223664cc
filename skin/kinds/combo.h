// Combo boxes and drive lists: a flat two-pixel frame and the skin's own
// drop-down button. Their entry points are ComboBoxKind() and
// DriveListKind() of the kind table.
#pragma once

#include "platform/win.h"
#include "skin/draw/visual_state.h"

namespace taverel::skin {

// The drop-down button in `state` (Pressed whenever the list is open); a dc
// of nullptr means the window's own DC. `force` false: nothing is drawn when
// the state equals OLDSTATE. 1 when drawn, 0 also for a style without a button.
int PaintComboButton(HWND window, HDC dc, VisualState state, bool force);

// An editable combo box reacts to the mouse only over its drop-down button:
// W - c - 2 <= x <= W - 2 and 2 <= y <= H - 2, c the scroll-bar width.
bool InComboDropZone(HWND combo, int x, int y);

}  // namespace taverel::skin
