#include "forms/list_box.h"

namespace taverel::forms {

void ListBox::AddItem(const std::wstring& item) {
    items_.push_back(item);
    if (Window())
        SendMessageW(Window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ListBox::SetListIndex(int index) {
    list_index_ = index;
    if (Window())
        SendMessageW(Window(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBox::ListIndex() const {
    if (!Window())
        return list_index_;
    return static_cast<int>(SendMessageW(Window(), LB_GETCURSEL, 0, 0));
}

bool ListBox::OnCreated() {
    for (const std::wstring& item : items_)
        SendMessageW(Window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(Window(), LB_SETCURSEL, static_cast<WPARAM>(list_index_), 0);
    return true;
}

LRESULT ListBox::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == LBN_SELCHANGE) {
        list_index_ = static_cast<int>(SendMessageW(Window(), LB_GETCURSEL, 0, 0));
        if (Click)
            Click();
        return 0;
    }
    if (message == WM_CTLCOLORLISTBOX)
        return ColourRequest(reinterpret_cast<HDC>(wparam), COLOR_WINDOW);
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
