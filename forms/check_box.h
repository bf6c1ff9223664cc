// A check box: its own Value, toggled on each click, then Click.
#pragma once

#include "forms/control.h"

namespace taverel::forms {

class CheckBox : public Control {
public:
    CheckBox() = default;
    static void RegisterClass();

    void SetValue(bool checked);
    bool Value() const { return checked_; }

protected:
    const wchar_t* ClassName() const override;
    void RegisterWindowClass() const override { RegisterClass(); }
    DWORD Style() const override { return WS_TABSTOP | BS_CHECKBOX; }
    void OnCreated() override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    bool checked_ = false;
};

}  // namespace taverel::forms
