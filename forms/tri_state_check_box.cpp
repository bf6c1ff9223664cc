#include "forms/tri_state_check_box.h"

#include "forms/check_box.h"

namespace taverel::forms {

void TriStateCheckBox::SetValue(CheckValue value) {
    value_ = value;
    if (Window())
        SendMessageW(Window(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

bool TriStateCheckBox::OnCreated() {
    SetValue(value_);
    return true;
}

LRESULT TriStateCheckBox::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        switch (value_) {
            case CheckValue::Unchecked:
                SetValue(CheckValue::Checked);
                break;
            case CheckValue::Checked:
                SetValue(CheckValue::Grayed);
                break;
            case CheckValue::Grayed:
                SetValue(CheckValue::Unchecked);
                break;
        }
        if (Click)
            Click();
        return 0;
    }
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
