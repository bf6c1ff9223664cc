// A check box with three values: clear, checked and grayed (indeterminate).
// A click moves clear -> checked -> grayed -> clear, then runs Click. It
// shares the check box's window class, so the skin paints it as one.
#pragma once

#include "forms/control.h"

namespace taverel::forms {

enum class CheckValue {
    Unchecked = BST_UNCHECKED,
    Checked = BST_CHECKED,
    Grayed = BST_INDETERMINATE
};

class TriStateCheckBox : public Control {
public:
    TriStateCheckBox() = default;
    // The check box's class (CheckBox::RegisterClass).
    static void RegisterClass();

    void SetValue(CheckValue value);
    CheckValue Value() const { return value_; }

protected:
    const wchar_t* ClassName() const override;
    void RegisterWindowClass() const override { RegisterClass(); }
    DWORD Style() const override { return WS_TABSTOP | BS_3STATE; }
    void OnCreated() override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    CheckValue value_ = CheckValue::Unchecked;
};

}  // namespace taverel::forms
