// The tie between a window and the object that made it, shared by forms and
// controls. The object passes itself as CreateWindowExW's creation parameter;
// WM_NCCREATE stores it in the window's GWLP_USERDATA, so the class procedure
// finds it for every later message. On WM_NCDESTROY the object lets the
// window go; an object destroyed first unbinds its window before destroying
// it, so no message of the teardown reaches a half-destroyed object.
#pragma once

#include "platform/handles.h"
#include "platform/win.h"

namespace taverel::forms {

class WindowBinding {
public:
    WindowBinding(const WindowBinding&) = delete;
    WindowBinding& operator=(const WindowBinding&) = delete;

    HWND Window() const { return window_.get(); }

protected:
    WindowBinding() = default;
    ~WindowBinding() { DestroyUnbound(); }

    // The creation parameter to give CreateWindowExW.
    void* CreationParameter() { return this; }

    // For the class procedure: the object of `window`, bound on WM_NCCREATE;
    // null before that, after unbinding and for windows of no object. On
    // WM_NCDESTROY the object has already let the window go.
    template <typename Object>
    static Object* Bound(HWND window, UINT message, LPARAM lparam) {
        return static_cast<Object*>(Find(window, message, lparam));
    }

    // Unbinds the window and destroys it; false when there was none.
    bool DestroyUnbound();

private:
    static WindowBinding* Find(HWND window, UINT message, LPARAM lparam);

    platform::Window window_;
};

}  // namespace taverel::forms
