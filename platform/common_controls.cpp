#include "platform/common_controls.h"

#include <commctrl.h>

namespace taverel::platform {

bool LoadCommonControls(DWORD classes) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = classes;
    return InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace taverel::platform
