// A list box with a sunken edge, and the data-bound list frame, which looks
// the same but is known to the skin by its own class name and keeps its
// system frame. Click runs when the selection changes.
#pragma once

#include "forms/control.h"

#include <string>
#include <vector>

namespace taverel::forms {

inline constexpr wchar_t kListBoxClass[] = L"ThunderRT6ListBox";
inline constexpr wchar_t kDataListClass[] = L"DataListWndClass";

class ListBox : public Control {
public:
    ListBox() = default;
    static void RegisterClass();

    void AddItem(const std::wstring& item);
    void SetListIndex(int index);
    int ListIndex() const;

protected:
    const wchar_t* ClassName() const override;
    void RegisterWindowClass() const override { RegisterClass(); }
    DWORD Style() const override {
        return WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    }
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    void OnCreated() override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    std::vector<std::wstring> items_;
    int list_index_ = -1;
};

class DataList : public ListBox {
public:
    static void RegisterClass();

protected:
    const wchar_t* ClassName() const override;
    void RegisterWindowClass() const override { RegisterClass(); }
};

}  // namespace taverel::forms
