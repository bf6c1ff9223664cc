#include "forms/check_box.h"

#include "forms/window_class.h"

namespace taverel::forms {

namespace {

LRESULT CALLBACK CheckBoxProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    static const WNDPROC base = SystemClassProcedure(L"BUTTON");
    return Control::Dispatch(base, window, message, wparam, lparam);
}

}  // namespace

void CheckBox::RegisterClass() {
    RegisterSuperclass(kCheckBoxClass, L"BUTTON", CheckBoxProc);
}

const wchar_t* CheckBox::ClassName() const {
    return kCheckBoxClass;
}

void CheckBox::SetValue(bool checked) {
    checked_ = checked;
    if (Window())
        SendMessageW(Window(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCreated() {
    SetValue(checked_);
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
