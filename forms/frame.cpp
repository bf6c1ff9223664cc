#include "forms/frame.h"

#include "platform/handles.h"

namespace taverel::forms {

bool Frame::OnCreated() {
    return CreateChildren(Window());
}

LRESULT Frame::WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT reflected = 0;
    if (ReflectToChild(message, wparam, lparam, reflected))
        return reflected;
    switch (message) {
        case WM_NCHITTEST:
            // A group box lets the mouse through to its parent; a frame
            // keeps it, for the labels it holds.
            return HTCLIENT;
        case WM_ERASEBKGND: {
            // The group box paints only its line and caption.
            RECT client{};
            GetClientRect(Window(), &client);
            FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_PAINT: {
            // The system draws the box into our paint DC, then the labels go
            // on top in the same pass.
            platform::PaintDc paint(Window());
            CallWindowProcW(base, Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(paint.get()),
                            PRF_CLIENT);
            PaintLabels(paint.get());
            return 0;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            if (RouteMouseToLabel(message, wparam, lparam))
                return 0;
            break;
        default:
            break;
    }
    return Control::WindowProc(base, message, wparam, lparam);
}

LRESULT Frame::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    // A group box asks for its caption colours with WM_CTLCOLORSTATIC.
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
        return ColourRequest(reinterpret_cast<HDC>(wparam), COLOR_BTNFACE);
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
