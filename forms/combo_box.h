// A combo box in one of its three styles: an edit field with a drop-down
// list, a simple combo box with its list always open, or a drop-down list
// without an edit field. Click runs when the selection changes.
#pragma once

#include "forms/control_of_class.h"

#include <string>
#include <vector>

namespace taverel::forms {

enum class ComboStyle {
    DropDownCombo = CBS_DROPDOWN,
    Simple = CBS_SIMPLE,
    DropDownList = CBS_DROPDOWNLIST
};

class ComboBox : public ControlOfClass<kComboBoxClass> {
public:
    explicit ComboBox(ComboStyle style = ComboStyle::DropDownCombo) : style_(style) {}

    void AddItem(const std::wstring& item);
    // -1 clears the selection.
    void SetListIndex(int index);
    int ListIndex() const;

protected:
    DWORD Style() const override;
    bool OnCreated() override;
    LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam) override;
    // For kinds that share the combo box's behaviour under another class.
    void FillList();

    std::vector<std::wstring> items_;
    int list_index_ = -1;

private:
    ComboStyle style_;
};

}  // namespace taverel::forms
