#include "skin/control_kind.h"

#include "skin/properties.h"

namespace taverel::skin {

std::wstring GetWindowClassName(HWND window) {
    wchar_t buffer[256] = {};
    const int length = GetClassNameW(window, buffer, 256);
    if (length <= 0)
        return std::wstring();
    return std::wstring(buffer, static_cast<size_t>(length));
}

std::wstring LowerAscii(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

std::wstring LowerClassName(HWND window) {
    return LowerAscii(GetWindowClassName(window));
}

ControlKind ClassifyButtonStyle(LONG_PTR style) {
    // The type is a number in the low four bits, not a set of flags.
    const bool push_like = (style & BS_PUSHLIKE) != 0;
    switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return ControlKind::PushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return push_like ? ControlKind::Other : ControlKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return push_like ? ControlKind::Other : ControlKind::OptionButton;
        default:
            return ControlKind::Other;
    }
}

ControlKind GetControlKind(HWND window) {
    const ControlKind by_name = ClassifyClassName(LowerClassName(window));
    if (by_name != ControlKind::PushButton)
        return by_name;
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    // A skinned push button is owner-drawn by the skin's own hand; what it
    // is comes from the style it had before.
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) {
        if (const LONG_PTR before = GetSkinProp(window, prop::OldStyle))
            style = before;
    }
    return ClassifyButtonStyle(style);
}

}  // namespace taverel::skin
