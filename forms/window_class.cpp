#include "forms/window_class.h"

#include "platform/common_controls.h"
#include "platform/failure_trace.h"

namespace taverel::forms {

WNDPROC SystemClassProcedure(const KindClass& kind) {
    if (kind.common_controls)
        platform::LoadCommonControls(kind.common_controls);
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    if (!GetClassInfoExW(nullptr, kind.system_class, &info))
        return DefWindowProcW;
    return info.lpfnWndProc;
}

bool RegisterWindowClass(const WNDCLASSEXW& info) {
    // Asked by name and procedure, not by name alone: a superclass may bear
    // the name of the global class it is made from, which the name finds.
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(info.hInstance, info.lpszClassName, &existing) &&
        existing.lpfnWndProc == info.lpfnWndProc)
        return true;
    if (RegisterClassExW(&info))
        return true;
    const DWORD error = GetLastError();
    // Another part of this module registered the name first: its class is
    // used, as creating a window by that name would anyway.
    if (error == ERROR_CLASS_ALREADY_EXISTS)
        return true;
    platform::TraceFailedCall(L"RegisterClassExW", info.lpszClassName, error);
    return false;
}

bool RegisterSuperclass(const KindClass& kind, WNDPROC procedure) {
    if (kind.common_controls)
        platform::LoadCommonControls(kind.common_controls);
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    if (!GetClassInfoExW(nullptr, kind.system_class, &info)) {
        platform::TraceFailedCall(L"GetClassInfoExW", kind.system_class, GetLastError());
        return false;
    }
    // Keep the system class's extra bytes and styles (its state lives there),
    // but drop CS_GLOBALCLASS: the superclass belongs to this module.
    info.cbSize = sizeof info;
    info.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    info.lpfnWndProc = procedure;
    info.hInstance = GetModuleHandleW(nullptr);
    info.lpszClassName = kind.name;
    return RegisterWindowClass(info);
}

}  // namespace taverel::forms
