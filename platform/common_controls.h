// The platform's common controls (header, progress bar, tooltip classes and
// the old _TrackMouseEvent). comctl32 is not one of the system's known DLLs,
// so it is loaded at run time from the system directory, never linked:
// a comctl32.dll beside the program is not picked up.
#pragma once

#include "platform/win.h"

namespace taverel::platform {

// comctl32 from the system directory, loaded at the first call and kept for
// the life of the process (windows of its classes need it loaded). Null when
// it cannot be loaded.
HMODULE CommonControlsLibrary();

// Makes the common-control classes named by `classes` (ICC_* flags) exist in
// this process. False when the library or its registration failed; callers
// then fail to create the window and report that themselves.
bool LoadCommonControls(DWORD classes);

}  // namespace taverel::platform
