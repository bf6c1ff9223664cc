// A push button. Its click is read from BN_CLICKED, which the button sends
// whether it draws itself or is owner-drawn (as the skin makes it). Space
// clicks it (the system button does that) and so does Enter, as in a dialog.
#pragma once

#include "forms/control_of_class.h"

namespace taverel::forms {

class CommandButton : public ControlOfClass<kCommandButtonClass> {
public:
    CommandButton() = default;

protected:
    DWORD Style() const override { return WS_TABSTOP | BS_PUSHBUTTON; }
    LRESULT WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace taverel::forms
