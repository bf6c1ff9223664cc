#include "forms/command_button.h"

namespace taverel::forms {

LRESULT CommandButton::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        if (Click)
            Click();
        return 0;
    }
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
