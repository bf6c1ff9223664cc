// What the mouse events of controls, labels and forms pass on.
#pragma once

#include "platform/win.h"

#include <windowsx.h>

namespace taverel::forms {

struct MouseEventArgs {
    WPARAM keys = 0;  // MK_LBUTTON, MK_SHIFT, ... as the message gives them
    int x = 0;        // pixels from the left of the control or label
    int y = 0;        // pixels from its top
};

// The client point of a mouse message. Signed: with the mouse captured, a
// point left of or above the window is negative.
inline POINT MessagePoint(LPARAM lparam) {
    return POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

// The event arguments of a mouse message, relative to the window.
inline MouseEventArgs MouseArgs(WPARAM wparam, LPARAM lparam) {
    const POINT point = MessagePoint(lparam);
    return MouseEventArgs{wparam, point.x, point.y};
}

}  // namespace taverel::forms
