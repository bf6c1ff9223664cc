#include "forms/container.h"

#include "forms/control.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/window_class.h"

namespace taverel::forms {

bool Container::CreateChildren(HWND window) {
    for (Control* control : controls_) {
        if (!control->Create(ContainerForm(), window))
            return false;
    }
    for (Label* label : labels_)
        label->Attach(*this);
    return true;
}

Label* Container::LabelAt(POINT client_point) const {
    // Labels created later lie on top.
    for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
        const RECT box = (*it)->PixelBounds();
        if (PtInRect(&box, client_point))
            return *it;
    }
    return nullptr;
}

void Container::PaintLabels(HDC dc) const {
    for (const Label* label : labels_)
        label->Paint(dc);
}

bool Container::RouteMouseToLabel(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT point = MessagePoint(lparam);
    Label* label = LabelAt(point);
    switch (message) {
        case WM_MOUSEMOVE:
            if (!label)
                return false;
            if (label->MouseMove) {
                const RECT box = label->PixelBounds();
                label->MouseMove(MouseEventArgs{wparam, point.x - box.left, point.y - box.top});
            }
            return true;
        case WM_LBUTTONDOWN:
            pressed_label_ = label;
            if (label)
                SetCapture(ContainerWindow());
            return label != nullptr;
        case WM_LBUTTONUP: {
            Label* pressed = pressed_label_;
            pressed_label_ = nullptr;
            if (!pressed)
                return false;
            if (GetCapture() == ContainerWindow())
                ReleaseCapture();
            // A click is press and release on the same label.
            if (pressed == label && label->Click)
                label->Click();
            return true;
        }
        default:
            return false;
    }
}

bool Container::ReflectToChild(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) const {
    const bool colour = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    if (message != WM_COMMAND && !colour)
        return false;
    const HWND child = reinterpret_cast<HWND>(lparam);
    if (!child || GetParent(child) != ContainerWindow())
        return false;
    result = SendMessageW(child, kReflectedBase + message, wparam, lparam);
    return message == WM_COMMAND || result != 0;
}

}  // namespace taverel::forms
