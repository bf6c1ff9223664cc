// An option button. The option buttons of one container form a group: one
// is selected, and only the selected one is a tab stop. The arrow keys move
// the selection to the next or previous option of the group.
#pragma once

#include "forms/control_of_class.h"

namespace taverel::forms {

class OptionButton : public ControlOfClass<kOptionButtonClass> {
public:
    OptionButton() = default;

    // Selecting clears the other options of the container and runs Click
    // when the value changes; clearing runs nothing.
    void SetValue(bool selected);
    bool Value() const { return selected_; }

protected:
    DWORD Style() const override { return BS_RADIOBUTTON; }
    bool OnCreated() override;
    bool TakesFocus() const override { return selected_; }
    LRESULT WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    // Value and look, without events.
    void ApplyValue(bool selected);
    void SelectNeighbour(bool backward);

    bool selected_ = false;
};

}  // namespace taverel::forms
