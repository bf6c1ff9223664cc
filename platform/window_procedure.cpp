#include "platform/window_procedure.h"

namespace taverel::platform {

WNDPROC ReplaceWindowProcedure(HWND window, WNDPROC procedure) {
    // SetWindowLongPtrW returns 0 both for failure and for a previous value
    // of 0; clearing the last error first tells the two apart.
    SetLastError(ERROR_SUCCESS);
    const LONG_PTR previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    if (previous == 0 && GetLastError() != ERROR_SUCCESS)
        return nullptr;
    return reinterpret_cast<WNDPROC>(previous);
}

WNDPROC CurrentWindowProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

LRESULT ForwardMessage(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

bool IsWindowOfThisThread(HWND window) {
    return window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace taverel::platform
