#include "forms/option_button.h"

#include "forms/container.h"
#include "forms/form.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace taverel::forms {

namespace {

// The option buttons standing in the same container as `option`, in tab order.
std::vector<OptionButton*> Group(Form& form, const OptionButton& option) {
    std::vector<Container*> pending{&form};
    while (!pending.empty()) {
        Container* container = pending.back();
        pending.pop_back();
        std::vector<OptionButton*> group;
        bool found = false;
        for (Control* control : container->Controls()) {
            if (auto* candidate = dynamic_cast<OptionButton*>(control)) {
                group.push_back(candidate);
                found = found || candidate == &option;
            }
            if (Container* inner = control->AsContainer())
                pending.push_back(inner);
        }
        if (found) {
            std::stable_sort(group.begin(), group.end(),
                             [](const OptionButton* a, const OptionButton* b) {
                                 return a->TabIndex() < b->TabIndex();
                             });
            return group;
        }
    }
    return {};
}

}  // namespace

void OptionButton::ApplyValue(bool selected) {
    selected_ = selected;
    if (const HWND window = Window()) {
        SendMessageW(window, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        style = selected ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(window, GWL_STYLE, style);
    }
}

void OptionButton::SetValue(bool selected) {
    // Before the window exists this is the start value: no events.
    if (!Window()) {
        selected_ = selected;
        return;
    }
    if (!selected) {
        ApplyValue(false);
        return;
    }
    const bool changed = !selected_;
    if (Form* form = OwningForm()) {
        for (OptionButton* other : Group(*form, *this)) {
            if (other != this && other->selected_)
                other->ApplyValue(false);
        }
    }
    ApplyValue(true);
    if (changed && Click)
        Click();
}

bool OptionButton::OnCreated() {
    ApplyValue(selected_);
    return true;
}

void OptionButton::SelectNeighbour(bool backward) {
    Form* form = OwningForm();
    if (!form)
        return;
    const std::vector<OptionButton*> group = Group(*form, *this);
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    const auto here = std::find(group.begin(), group.end(), this) - group.begin();
    if (count < 2 || here >= count)
        return;
    OptionButton* next = group[static_cast<size_t>((here + (backward ? count - 1 : 1)) % count)];
    next->SetFocus();
    next->SetValue(true);
}

LRESULT OptionButton::WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYDOWN) {
        switch (wparam) {
            case VK_UP:
            case VK_LEFT:
                SelectNeighbour(true);
                return 0;
            case VK_DOWN:
            case VK_RIGHT:
                SelectNeighbour(false);
                return 0;
            default:
                break;
        }
    }
    return Control::WindowProc(base, message, wparam, lparam);
}

LRESULT OptionButton::OnReflected(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        SetValue(true);
        return 0;
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
        return ColourRequest(reinterpret_cast<HDC>(wparam), COLOR_BTNFACE);
    return Control::OnReflected(message, wparam, lparam);
}

}  // namespace taverel::forms
