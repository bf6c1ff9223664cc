#include "forms/header.h"

#include "forms/window_class.h"
#include "platform/common_controls.h"

#include <commctrl.h>

namespace taverel::forms {

namespace {

WNDPROC SystemHeaderProcedure() {
    // The platform's class, global to the process; asked before ours exists.
    static const WNDPROC base = [] {
        platform::LoadCommonControls(ICC_LISTVIEW_CLASSES);
        return SystemClassProcedure(WC_HEADERW);
    }();
    return base;
}

LRESULT CALLBACK HeaderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return Control::Dispatch(SystemHeaderProcedure(), window, message, wparam, lparam);
}

}  // namespace

void Header::RegisterClass() {
    // A class of this module takes precedence over the global one of the
    // same name for windows this module creates. RegisterSuperclass cannot
    // be used: asking for the name finds the global class and stops there.
    static const bool registered = [] {
        WNDCLASSEXW info{};
        info.cbSize = sizeof info;
        SystemHeaderProcedure();
        if (!GetClassInfoExW(nullptr, WC_HEADERW, &info))
            return false;
        info.cbSize = sizeof info;
        info.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
        info.lpfnWndProc = HeaderProc;
        info.hInstance = GetModuleHandleW(nullptr);
        info.lpszClassName = WC_HEADERW;
        return RegisterClassExW(&info) != 0;
    }();
    (void)registered;
}

const wchar_t* Header::ClassName() const {
    return WC_HEADERW;
}

void Header::InsertItem(int index, const std::wstring& caption, int width) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.fmt = HDF_LEFT | HDF_STRING;
    item.cxy = width;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    SendMessageW(Window(), HDM_INSERTITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void Header::AddItem(const std::wstring& caption, int width) {
    items_.push_back({caption, width});
    if (Window())
        InsertItem(static_cast<int>(items_.size()) - 1, caption, width);
}

int Header::ItemCount() const {
    return static_cast<int>(items_.size());
}

void Header::OnCreated() {
    for (std::size_t i = 0; i < items_.size(); ++i)
        InsertItem(static_cast<int>(i), items_[i].caption, items_[i].width);
}

}  // namespace taverel::forms
