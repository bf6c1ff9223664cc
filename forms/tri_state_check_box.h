// A check box with three values: clear, checked and grayed (indeterminate).
// A click moves clear -> checked -> grayed -> clear, then runs Click. It
// shares the check box's window class, so the skin paints it as one.
#pragma once

#include "forms/control_of_class.h"

namespace taverel::forms {

enum class CheckValue {
    Unchecked = BST_UNCHECKED,
    Checked = BST_CHECKED,
    Grayed = BST_INDETERMINATE
};

class TriStateCheckBox : public ControlOfClass<kCheckBoxClass> {
public:
    TriStateCheckBox() = default;

    void SetValue(CheckValue value);
    CheckValue Value() const { return value_; }

protected:
    DWORD Style() const override { return WS_TABSTOP | BS_3STATE; }
    bool OnCreated() override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    CheckValue value_ = CheckValue::Unchecked;
};

}  // namespace taverel::forms
