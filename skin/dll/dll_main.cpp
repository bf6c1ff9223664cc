// The DLL's entry point runs under the loader lock, where waiting on anything
// (loading a library, creating a window, taking a lock another thread holds
// while it loads one) can deadlock the process. So it only declines the
// per-thread notifications, which the skin does not use: the engine's state
// lives in windows, and what a thread holds dies with its thread_local owners.
#include "platform/win.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(self);
    return TRUE;
}
