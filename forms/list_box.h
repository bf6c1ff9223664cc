// A list box with a sunken edge, and the data-bound list frame, which looks
// the same but is known to the skin by its own class name and keeps its
// system frame. Click runs when the selection changes.
#pragma once

#include "forms/control_of_class.h"

#include <string>
#include <vector>

namespace taverel::forms {

class ListBox : public ControlOfClass<kListBoxClass> {
public:
    ListBox() = default;

    void AddItem(const std::wstring& item);
    void SetListIndex(int index);
    int ListIndex() const;

protected:
    DWORD Style() const override {
        return WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    }
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool OnCreated() override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    std::vector<std::wstring> items_;
    int list_index_ = -1;
};

// The list box's behaviour under the data list's class name.
class DataList : public ControlOfClass<kDataListClass, ListBox> {};

}  // namespace taverel::forms
