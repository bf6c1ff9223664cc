#include "skin/control_kind.h"

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

ControlKind GetControlKind(HWND window) {
    return ClassifyClassName(LowerClassName(window));
}

}  // namespace taverel::skin
