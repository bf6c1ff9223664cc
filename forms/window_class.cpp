#include "forms/window_class.h"

#include "forms/check_box.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/option_button.h"
#include "forms/text_box.h"

namespace taverel::forms {

WNDPROC SystemClassProcedure(const wchar_t* system_class) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    if (!GetClassInfoExW(nullptr, system_class, &info))
        return DefWindowProcW;
    return info.lpfnWndProc;
}

bool RegisterSuperclass(const wchar_t* name, const wchar_t* system_class, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    if (GetClassInfoExW(instance, name, &info))
        return true;
    if (!GetClassInfoExW(nullptr, system_class, &info))
        return false;
    // Keep the system class's extra bytes and styles (its state lives there),
    // but drop CS_GLOBALCLASS: the superclass belongs to this module.
    info.cbSize = sizeof info;
    info.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    info.lpfnWndProc = procedure;
    info.hInstance = instance;
    info.lpszClassName = name;
    return RegisterClassExW(&info) != 0;
}

void RegisterWindowClasses() {
    Form::RegisterClass();
    CommandButton::RegisterClass();
    OptionButton::RegisterClass();
    CheckBox::RegisterClass();
    TextBox::RegisterClass();
    Frame::RegisterClass();
}

}  // namespace taverel::forms
