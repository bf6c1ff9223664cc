#include "forms/combo_box.h"

namespace taverel::forms {

DWORD ComboBox::Style() const {
    return WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | static_cast<DWORD>(style_);
}

void ComboBox::AddItem(const std::wstring& item) {
    items_.push_back(item);
    if (Window())
        SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::SetListIndex(int index) {
    list_index_ = index;
    if (Window())
        SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboBox::ListIndex() const {
    if (!Window())
        return list_index_;
    return static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
}

void ComboBox::FillList() {
    for (const std::wstring& item : items_)
        SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(list_index_), 0);
}

bool ComboBox::OnCreated() {
    FillList();
    return true;
}

LRESULT ComboBox::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == CBN_SELCHANGE) {
        list_index_ = static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
        if (Click)
            Click();
        return 0;
    }
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX)
        return ColourRequest(reinterpret_cast<HDC>(wparam), COLOR_WINDOW);
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
