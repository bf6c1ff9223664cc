// A check box: its own Value, toggled on each click, then Click.
#pragma once

#include "forms/control_of_class.h"

namespace taverel::forms {

class CheckBox : public ControlOfClass<kCheckBoxClass> {
public:
    CheckBox() = default;

    void SetValue(bool checked);
    bool Value() const { return checked_; }

protected:
    DWORD Style() const override { return WS_TABSTOP | BS_CHECKBOX; }
    bool OnCreated() override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    bool checked_ = false;
};

}  // namespace taverel::forms
