#include "forms/text_box.h"

namespace taverel::forms {

bool TextBox::OnCreated() {
    // 0 lifts the default limit of 32767 characters to the largest there is.
    SendMessageW(Window(), EM_SETLIMITTEXT, 0, 0);
    return true;
}

LRESULT TextBox::WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            pressed_ = true;
            break;
        case WM_CHAR:
            // Ctrl+A arrives as character 1. The edit control of older
            // systems (and of Wine) takes it for no command and beeps.
            if (wparam == 1) {
                SendMessageW(Window(), EM_SETSEL, 0, -1);
                return 0;
            }
            break;
        case WM_LBUTTONUP: {
            // The edit control sets its caret and releases its capture first.
            const LRESULT result = Control::WindowProc(base, message, wparam, lparam);
            const POINT point = MessagePoint(lparam);
            RECT client{};
            GetClientRect(Window(), &client);
            if (pressed_ && PtInRect(&client, point)) {
                pressed_ = false;
                if (Click)
                    Click();
            }
            pressed_ = false;
            return result;
        }
        default:
            break;
    }
    return Control::WindowProc(base, message, wparam, lparam);
}

LRESULT TextBox::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CTLCOLOREDIT)
        return ColourRequest(reinterpret_cast<HDC>(wparam), COLOR_WINDOW);
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
