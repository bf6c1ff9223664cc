// Check boxes and option buttons: the small square or circle at the left
// edge (the right one with BS_RIGHTBUTTON), drawn by the skin over the
// control's own painting. Their entry
// points are CheckBoxKind() and OptionButtonKind() of the kind table.
#pragma once

#include "platform/win.h"
#include "skin/draw/visual_state.h"

namespace taverel::skin {

// `force` false: nothing is drawn when `state` equals OLDSTATE. Both draw on
// the window DC, outside WM_PAINT too. 1 when drawn.
int PaintCheckBox(HWND window, VisualState state, bool force);
int PaintOptionButton(HWND window, VisualState state, bool force);

}  // namespace taverel::skin
