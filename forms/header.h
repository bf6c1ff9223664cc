// A column header: a row of captioned items of given widths. The window is
// the platform's header control under its own class name, "SysHeader32".
#pragma once

#include "forms/control_of_class.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace taverel::forms {

class Header : public ControlOfClass<kHeaderClass> {
public:
    Header() = default;

    // Width in pixels.
    void AddItem(const std::wstring& caption, int width);
    int ItemCount() const;

protected:
    DWORD Style() const override { return HDS_BUTTONS | HDS_HORZ; }
    bool TakesFocus() const override { return false; }
    bool OnCreated() override;

private:
    void InsertItem(int index, const std::wstring& caption, int width);

    struct Item {
        std::wstring caption;
        int width = 0;
    };
    std::vector<Item> items_;
};

}  // namespace taverel::forms
