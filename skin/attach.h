// The door of the skin engine: hand a top-level window to the skin and take
// it back. AttachSkin initialises the engine on first use.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

// 1 when the window was taken over, 0 for a null handle or a window already skinned.
int AttachSkin(HWND window);
// 1 when the window was given back, 0 for a null handle or a window not skinned.
int DetachSkin(HWND window);

}  // namespace taverel::skin
