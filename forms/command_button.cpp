#include "forms/command_button.h"

namespace taverel::forms {

LRESULT CommandButton::WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) {
    // The system button knows only Space; the dialog manager, which we do not
    // use, is what clicks a focused button on Enter. It does so on the key
    // going down, and so do we, once per press (bit 30: a repeat). The click
    // goes the way a mouse click's does, as BN_CLICKED to the parent.
    if (message == WM_KEYDOWN && wparam == VK_RETURN) {
        if ((lparam & (1L << 30)) == 0) {
            SendMessageW(GetParent(Window()), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(Window()), BN_CLICKED),
                         reinterpret_cast<LPARAM>(Window()));
        }
        return 0;
    }
    return Control::WindowProc(base, message, wparam, lparam);
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
