// A frame: a captioned group box that contains controls and windowless
// labels. It takes no focus; its caption has the frame's text colour.
#pragma once

#include "forms/container.h"
#include "forms/control_of_class.h"

namespace taverel::forms {

class Frame : public ControlOfClass<kFrameClass>, public Container {
public:
    Frame() = default;

    Container* AsContainer() override { return this; }
    HWND ContainerWindow() const override { return Window(); }
    Form& ContainerForm() override { return *OwningForm(); }

protected:
    DWORD Style() const override { return BS_GROUPBOX | WS_CLIPCHILDREN; }
    bool TakesFocus() const override { return false; }
    bool OnCreated() override;
    LRESULT WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace taverel::forms
