// A single-line text box with a sunken edge, its own font and text colour,
// and no length limit. Click is a press and release of the left button in it.
// Ctrl+A selects all of its text.
#pragma once

#include "forms/control_of_class.h"

namespace taverel::forms {

class TextBox : public ControlOfClass<kTextBoxClass> {
public:
    TextBox() = default;

protected:
    DWORD Style() const override { return WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL; }
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool OnCreated() override;
    LRESULT WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    bool pressed_ = false;
};

}  // namespace taverel::forms
