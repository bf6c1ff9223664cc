#include "forms/header.h"

#include <commctrl.h>

namespace taverel::forms {

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

bool Header::OnCreated() {
    for (std::size_t i = 0; i < items_.size(); ++i)
        InsertItem(static_cast<int>(i), items_[i].caption, items_[i].width);
    return true;
}

}  // namespace taverel::forms
