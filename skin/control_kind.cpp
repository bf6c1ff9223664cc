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

namespace {

// Whether the window's kind follows its button type: the button classes.
bool KindFollowsType(HWND window) {
    return ClassifyClassName(LowerClassName(window)) == ControlKind::PushButton;
}

}  // namespace

ControlKind GetControlKind(HWND window) {
    const ControlKind by_name = ClassifyClassName(LowerClassName(window));
    if (by_name != ControlKind::PushButton)
        return by_name;
    // Stored one above the kind's number, so that absent (0) means none.
    if (const INT_PTR kept = GetSkinProp(window, prop::Kind))
        return static_cast<ControlKind>(kept - 1);
    return ClassifyButtonStyle(GetWindowLongPtrW(window, GWL_STYLE));
}

void KeepKind(HWND window, ControlKind kind) {
    if (KindFollowsType(window))
        SetSkinProp(window, prop::Kind, static_cast<INT_PTR>(kind) + 1);
}

void ForgetKind(HWND window) {
    if (KindFollowsType(window))
        RemoveSkinProp(window, prop::Kind);
}

}  // namespace taverel::skin
