// Registering the platform's common-control window classes (header,
// progress bar, tooltip) before a window of one of them is made.
#pragma once

#include "platform/win.h"

namespace taverel::platform {

// Makes the common-control classes named by `classes` (ICC_* flags) exist in
// this process. False when the library or its registration failed; callers
// then fail to create the window and report that themselves.
bool LoadCommonControls(DWORD classes);

}  // namespace taverel::platform
