// What the mouse events of controls, labels and forms pass on.
#pragma once

#include "platform/win.h"

namespace taverel::forms {

struct MouseEventArgs {
    WPARAM keys = 0;  // MK_LBUTTON, MK_SHIFT, ... as the message gives them
    int x = 0;        // pixels from the left of the control or label
    int y = 0;        // pixels from its top
};

}  // namespace taverel::forms
