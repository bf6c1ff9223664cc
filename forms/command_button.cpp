#include "forms/command_button.h"

#include "forms/window_class.h"

namespace taverel::forms {

namespace {

LRESULT CALLBACK CommandButtonProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // The system class procedure does not change while the process runs.
    static const WNDPROC base = SystemClassProcedure(L"BUTTON");
    return Control::Dispatch(base, window, message, wparam, lparam);
}

}  // namespace

void CommandButton::RegisterClass() {
    RegisterSuperclass(kCommandButtonClass, L"BUTTON", CommandButtonProc);
}

const wchar_t* CommandButton::ClassName() const {
    return kCommandButtonClass;
}

LRESULT CommandButton::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        if (Click)
            Click();
        return 0;
    }
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
