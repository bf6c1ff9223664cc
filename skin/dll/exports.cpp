// The functions taverel-skin.dll exports: the skin's door for programs in
// any language. Each passes the call to the engine as the C++ program makes
// it; what they add is what a DLL owes its callers.
#include "platform/win.h"

#include "skin/attach.h"
#include "skin/dll/taverel_skin.h"
#include "skin/properties.h"
#include "taverel_version.h"

namespace {

// A C++ exception must not unwind into a caller written in another language.
// The only one the engine can meet is running out of memory; the call then
// ends with 0, leaving at most a picture incomplete.
template <typename Call>
int WithoutExceptions(Call call) {
    try {
        return call();
    } catch (...) {
        return 0;
    }
}

// A skinned window calls the skin's procedure, in this DLL, at every message:
// unloaded under it, the next message would jump into unmapped memory. So
// from the first attach on the DLL pins itself: the loader then ignores
// every FreeLibrary until the process ends. Done once for the process (a
// thread-safe local static), whichever thread attaches first.
void StayLoaded() {
    static const bool pinned = [] {
        HMODULE self = nullptr;
        return GetModuleHandleExW(
                   GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                   reinterpret_cast<LPCWSTR>(&StayLoaded), &self) != FALSE;
    }();
    static_cast<void>(pinned);
}

}  // namespace

int WINAPI TaverelAttachSkin(HWND window) {
    if (!window)
        return 0;
    StayLoaded();
    return WithoutExceptions([window] { return taverel::skin::AttachSkin(window); });
}

int WINAPI TaverelDetachSkin(HWND window) {
    return WithoutExceptions([window] { return taverel::skin::DetachSkin(window); });
}

int WINAPI TaverelIsSkinned(HWND window) {
    return taverel::skin::IsSkinned(window) ? 1 : 0;
}

DWORD WINAPI TaverelSkinVersion(void) {
    return (TAVEREL_VERSION_MAJOR << 16) | (TAVEREL_VERSION_MINOR << 8) | TAVEREL_VERSION_PATCH;
}
