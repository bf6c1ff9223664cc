#include "forms/window_binding.h"

namespace taverel::forms {

bool WindowBinding::DestroyUnbound() {
    const HWND window = window_.get();
    if (!window)
        return false;
    // The window may outlive this object for a moment (it goes with its
    // parent); from here on it must not reach the object.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    window_.reset();
    return true;
}

WindowBinding* WindowBinding::Find(HWND window, UINT message, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        if (auto* object = static_cast<WindowBinding*>(create->lpCreateParams)) {
            object->window_.reset(window);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        }
    }
    auto* object = reinterpret_cast<WindowBinding*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (object && message == WM_NCDESTROY) {
        // The window is going: whatever the object does now, it no longer
        // owns it.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        object->window_.release();
    }
    return object;
}

}  // namespace taverel::forms
