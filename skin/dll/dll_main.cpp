// The DLL's entry point runs under the loader lock, where waiting on anything
// (loading a library, creating a window, taking a lock another thread holds
// while it loads one) can deadlock the process. So it only declines the
// per-thread notifications, which the skin does not use. The loader refuses
// that for a DLL with a TLS directory, which mingw-w64's runtime always
// gives it (its callbacks run thread_local destructors at thread exit): the
// notifications then still come and are ignored here, and those destructors
// still run.
#include "platform/win.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(self);
    return TRUE;
}
