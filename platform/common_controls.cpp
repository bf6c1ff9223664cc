#include "platform/common_controls.h"

#include "platform/library.h"

#include <commctrl.h>

namespace taverel::platform {

HMODULE CommonControlsLibrary() {
    static const HMODULE library = LoadSystemLibrary(L"comctl32.dll");
    return library;
}

bool LoadCommonControls(DWORD classes) {
    const auto initialise = LibraryFunction<decltype(&InitCommonControlsEx)>(
        CommonControlsLibrary(), "InitCommonControlsEx");
    if (!initialise)
        return false;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = classes;
    return initialise(&controls) != FALSE;
}

}  // namespace taverel::platform
