#include "forms/check_box.h"

namespace taverel::forms {

void CheckBox::SetValue(bool checked) {
    checked_ = checked;
    if (Window())
        SendMessageW(Window(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::OnCreated() {
    SetValue(checked_);
    return true;
}

LRESULT CheckBox::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        SetValue(!checked_);
        if (Click)
            Click();
        return 0;
    }
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
