// Mouse, keyboard and focus branches for check boxes, option buttons, combo
// boxes, drive lists and headers. Unlike push buttons these kinds do not
// fade: each event picks a state and the kind's painter draws it at once.
// Headers track two item indexes instead: the item pressed (HDINDEX) and the
// item under the pointer (HMINDEX).
#include "skin/draw/geometry.h"
#include "skin/other_kinds.h"
#include "skin/other_kinds_parts.h"
#include "skin/properties.h"

#include <commctrl.h>

#include <cstdint>

namespace taverel::skin {

namespace {

constexpr LONG_PTR kSimpleOrList = 0x1;

int PointerX(LPARAM lparam) {
    return LowWord(static_cast<std::uint32_t>(lparam));
}

int PointerY(LPARAM lparam) {
    return HighWord(static_cast<std::uint32_t>(lparam));
}

int HeaderIndex(HWND header, const wchar_t* name) {
    return static_cast<int>(GetSkinProp(header, name));
}

// An editable combo box follows the mouse over its drop-down button only;
// the other styles count as a whole.
bool OverComboButton(HWND combo, LPARAM lparam) {
    if (GetWindowLongPtrW(combo, GWL_STYLE) & kSimpleOrList)
        return true;
    return InComboDropZone(combo, PointerX(lparam), PointerY(lparam));
}

bool PointerOver(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor) == window;
}

void HeaderMouseMove(HWND header, WPARAM wparam, LPARAM lparam) {
    const int old = HeaderIndex(header, prop::HmIndex);
    const int hit = HeaderHitTest(header, PointerX(lparam));
    const int pressed = HeaderIndex(header, prop::HdIndex);
    if (hit == old)
        return;
    if (old >= 0 && old != pressed)
        PaintHeaderItem(header, nullptr, old, VisualState::Normal);
    if (wparam & MK_LBUTTON) {
        // While the button is held the hover index stays where the press began.
        if (hit == pressed)
            PaintHeaderItem(header, nullptr, hit, VisualState::Pressed);
        return;
    }
    SetSkinProp(header, prop::HmIndex, hit);
    PaintHeaderItem(header, nullptr, hit, VisualState::Hover);
}

void HeaderPress(HWND header, LPARAM lparam) {
    if (SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) <= 0)
        return;
    const int hit = HeaderHitTest(header, PointerX(lparam));
    SetSkinProp(header, prop::HdIndex, hit);
    if (hit >= 0)
        PaintHeaderItem(header, nullptr, hit, VisualState::Pressed);
}

}  // namespace

bool InComboDropZone(HWND combo, int x, int y) {
    WindowBounds bounds;
    GetWindowBounds(combo, &bounds);
    const int scroll_width = GetSystemMetrics(SM_CXVSCROLL);
    return bounds.Width - scroll_width - 2 <= x && x <= bounds.Width - 2 && 2 <= y &&
           y <= bounds.Height - 2;
}

void TrackMouseMove(HWND window, ControlKind kind, WPARAM wparam, LPARAM lparam) {
    const VisualState held = (wparam & MK_LBUTTON) ? VisualState::Pressed : VisualState::Hover;
    switch (kind) {
        case ControlKind::CheckBox:
            PaintCheckBox(window, held, true);
            break;
        case ControlKind::OptionButton:
            PaintOptionButton(window, held, true);
            break;
        case ControlKind::DriveList:
            PaintComboButton(window, nullptr, held, false);
            break;
        case ControlKind::ComboBox:
            PaintComboButton(window, nullptr,
                             OverComboButton(window, lparam) ? held : VisualState::Normal, false);
            break;
        case ControlKind::Header:
            HeaderMouseMove(window, wparam, lparam);
            break;
        default:
            break;
    }
}

void TrackMouseLeave(HWND window, ControlKind kind) {
    switch (kind) {
        case ControlKind::CheckBox:
            SetSkinProp(window, prop::MouseFlag, 0);
            PaintCheckBox(window, VisualState::Normal, false);
            break;
        case ControlKind::OptionButton:
            SetSkinProp(window, prop::MouseFlag, 0);
            PaintOptionButton(window, VisualState::Normal, false);
            break;
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
            SetSkinProp(window, prop::MouseFlag, 0);
            PaintComboButton(window, nullptr, VisualState::Normal, false);
            break;
        case ControlKind::Header: {
            const int old = HeaderIndex(window, prop::HmIndex);
            SetSkinProp(window, prop::MouseFlag, 0);
            SetSkinProp(window, prop::HdIndex, -1);
            SetSkinProp(window, prop::HmIndex, -1);
            if (old >= 0)
                PaintHeaderItem(window, nullptr, old, VisualState::Normal);
            break;
        }
        default:
            break;
    }
}

void TrackLButtonDown(HWND window, ControlKind kind, LPARAM lparam) {
    switch (kind) {
        case ControlKind::CheckBox:
            PaintCheckBox(window, VisualState::Pressed, false);
            break;
        case ControlKind::OptionButton:
            PaintOptionButton(window, VisualState::Pressed, false);
            break;
        case ControlKind::DriveList:
            PaintComboButton(window, nullptr, VisualState::Pressed, false);
            break;
        case ControlKind::ComboBox:
            if (OverComboButton(window, lparam))
                PaintComboButton(window, nullptr, VisualState::Pressed, false);
            break;
        case ControlKind::Header:
            HeaderPress(window, lparam);
            break;
        default:
            break;
    }
}

void TrackLButtonDblClk(HWND window, ControlKind kind, LPARAM lparam) {
    // A double click on a toggle or combo paints nothing of its own: the
    // release that follows paints the normal look.
    if (kind == ControlKind::Header)
        HeaderPress(window, lparam);
}

void TrackLButtonUp(HWND window, ControlKind kind) {
    switch (kind) {
        case ControlKind::CheckBox:
            PaintCheckBox(window, VisualState::Normal, false);
            break;
        case ControlKind::OptionButton:
            PaintOptionButton(window, VisualState::Normal, false);
            break;
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
            PaintComboButton(window, nullptr,
                             PointerOver(window) ? VisualState::Hover : VisualState::Normal, false);
            break;
        case ControlKind::Header: {
            const int pressed = HeaderIndex(window, prop::HdIndex);
            SetSkinProp(window, prop::HdIndex, -1);
            if (pressed >= 0)
                PaintHeaderItem(window, nullptr, pressed,
                                PointerOver(window) ? VisualState::Hover : VisualState::Normal);
            break;
        }
        default:
            break;
    }
}

void TrackKeyDown(HWND window, ControlKind kind, WPARAM key) {
    if (key != VK_SPACE)
        return;
    if (kind == ControlKind::CheckBox)
        PaintCheckBox(window, VisualState::Pressed, false);
    else if (kind == ControlKind::OptionButton)
        PaintOptionButton(window, VisualState::Pressed, false);
}

void TrackKeyUp(HWND window, ControlKind kind, WPARAM key) {
    if (key != VK_SPACE)
        return;
    if (kind == ControlKind::CheckBox)
        PaintCheckBox(window, VisualState::Normal, false);
    else if (kind == ControlKind::OptionButton)
        PaintOptionButton(window, VisualState::Normal, false);
}

void TrackFocusChange(HWND window, ControlKind kind) {
    // Gaining or losing the focus makes an option button redraw itself (its
    // focus rectangle, and a check that follows the focus), which covers the
    // skin's circle; check boxes are left alone.
    if (kind == ControlKind::OptionButton)
        PaintOptionButton(window, VisualState::Normal, true);
}

}  // namespace taverel::skin
