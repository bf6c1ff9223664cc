// A column header: a row of captioned items of given widths. The window is
// the platform's header control under its own class name, "SysHeader32".
#pragma once

#include "forms/control.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace taverel::forms {

class Header : public Control {
public:
    Header() = default;
    // Registers this module's "SysHeader32": the platform's header with the
    // forms layer's class procedure in front, so the window keeps the name
    // the skin and other tools know while its object still hears it.
    static void RegisterClass();

    // Width in pixels.
    void AddItem(const std::wstring& caption, int width);
    int ItemCount() const;

protected:
    const wchar_t* ClassName() const override;
    void RegisterWindowClass() const override { RegisterClass(); }
    DWORD Style() const override { return HDS_BUTTONS | HDS_HORZ; }
    bool TakesFocus() const override { return false; }
    void OnCreated() override;

private:
    void InsertItem(int index, const std::wstring& caption, int width);

    struct Item {
        std::wstring caption;
        int width = 0;
    };
    std::vector<Item> items_;
};

}  // namespace taverel::forms
