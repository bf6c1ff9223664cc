#include "forms/control.h"

#include "forms/form.h"
#include "forms/window_class.h"
#include "platform/failure_trace.h"

#include <vector>

namespace taverel::forms {

namespace {

bool IsReflected(UINT message) {
    if (message < kReflectedBase)
        return false;
    const UINT original = message - kReflectedBase;
    return original == WM_COMMAND ||
           (original >= WM_CTLCOLORMSGBOX && original <= WM_CTLCOLORSTATIC);
}

}  // namespace

Control::~Control() {
    DestroyUnbound();
}

void Control::SetText(const std::wstring& text) {
    text_ = text;
    if (Window())
        SetWindowTextW(Window(), text.c_str());
}

std::wstring Control::Text() const {
    if (!Window())
        return text_;
    std::vector<wchar_t> buffer(static_cast<size_t>(GetWindowTextLengthW(Window())) + 1);
    const int length = GetWindowTextW(Window(), buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<size_t>(length > 0 ? length : 0));
}

void Control::SetForeColor(COLORREF colour) {
    fore_colour_ = colour;
    if (Window())
        InvalidateRect(Window(), nullptr, TRUE);
}

void Control::SetFont(const FontSpec& spec) {
    font_spec_ = spec;
    if (Window() && form_) {
        font_ = CreateFontFromSpec(spec, form_->DpiSetting());
        SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(EffectiveFont()), TRUE);
    }
}

void Control::SetFocus() {
    if (Window())
        ::SetFocus(Window());
}

bool Control::CanTakeFocus() const {
    return Window() && TakesFocus() && IsWindowVisible(Window()) && IsWindowEnabled(Window());
}

bool Control::Create(Form& form, HWND parent) {
    form_ = &form;
    if (!RegisterWindowClass())
        return false;
    const RECT box = TwipsToPixels(bounds_, form.DpiSetting());
    if (font_spec_)
        font_ = CreateFontFromSpec(*font_spec_, form.DpiSetting());
    if (!CreateWindowExW(ExStyle(), ClassName(), text_.c_str(), Style() | WS_CHILD | WS_VISIBLE,
                         box.left, box.top, box.right - box.left, box.bottom - box.top, parent,
                         nullptr, GetModuleHandleW(nullptr), CreationParameter())) {
        platform::TraceFailedCall(L"CreateWindowExW", ClassName(), GetLastError());
        return false;
    }
    if (!Window())
        return false;
    SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(EffectiveFont()), FALSE);
    return OnCreated();
}

HFONT Control::EffectiveFont() const {
    if (font_)
        return font_.get();
    return form_ ? form_->DefaultFont() : nullptr;
}

LRESULT Control::ColourRequest(HDC dc, int background_colour_index) const {
    if (fore_colour_)
        SetTextColor(dc, *fore_colour_);
    SetBkColor(dc, GetSysColor(background_colour_index));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background_colour_index));
}

LRESULT Control::OnReflected(UINT message, WPARAM wparam, LPARAM) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC && fore_colour_)
        return ColourRequest(reinterpret_cast<HDC>(wparam),
                             message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE);
    return 0;
}

LRESULT Control::WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wparam == VK_TAB && form_) {
                form_->MoveFocus(*this, GetKeyState(VK_SHIFT) < 0);
                return 0;
            }
            break;
        case WM_CHAR:
            // Tab moves the focus (above); it is no character for the control.
            if (wparam == L'\t')
                return 0;
            if (KeyPress)
                KeyPress(static_cast<wchar_t>(wparam));
            break;
        case WM_SETFOCUS:
            if (form_)
                form_->NoteFocus(*this);
            break;
        case WM_MOUSEMOVE:
            if (MouseMove)
                MouseMove(MouseArgs(wparam, lparam));
            break;
        default:
            if (IsReflected(message))
                return OnReflected(message - kReflectedBase, wparam, lparam);
            break;
    }
    return CallWindowProcW(base, Window(), message, wparam, lparam);
}

LRESULT Control::Dispatch(WNDPROC base, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Control* control = Bound<Control>(window, message, lparam);
    if (!control || message == WM_NCDESTROY)
        return CallWindowProcW(base, window, message, wparam, lparam);
    return control->WindowProc(base, message, wparam, lparam);
}

}  // namespace taverel::forms
