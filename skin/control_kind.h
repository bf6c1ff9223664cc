// Kinds of window by lower-cased class name. Every handler of the skin
// hands its work to the kind, which is read afresh from the window each time.
// The names themselves are in the kind table (skin/kinds/kind_table.cpp).
#pragma once

#include "platform/win.h"

#include <string>

namespace taverel::skin {

enum class ControlKind {
    Form,
    PushButton,
    ComboBox,
    DriveList,
    CheckBox,
    OptionButton,
    ProgressBar,
    Header,
    DataList,      // keeps the platform's frame, gets the list frame on paint
    DropDownList,  // a combo box's list
    Grid,          // every class whose name begins "apexgrid"
    Other
};

// The class name as the platform gives it ("" when the call fails).
std::wstring GetWindowClassName(HWND window);
// ASCII letters lower-cased; other characters are kept as they are.
std::wstring LowerAscii(std::wstring text);
// The lower-cased class name of the window.
std::wstring LowerClassName(HWND window);

ControlKind ClassifyClassName(const std::wstring& lower_class_name);
// The kind of a window of a button class by its button type: push and
// default push buttons are push buttons; check boxes (3-state too) and radio
// buttons are check boxes and option buttons; group boxes, owner-drawn,
// push-like toggles and every other type draw themselves (Other).
ControlKind ClassifyButtonStyle(LONG_PTR style);
// By class name; for a window of a button class, the kind it was taken over
// as while it is skinned, else the kind of its present button type.
ControlKind GetControlKind(HWND window);

// The kind is decided when a window is taken over and kept until it is given
// back: its properties, images and timer are the ones that kind made, and
// only that kind's give-back releases them. A class name never changes, but
// a button's type does (BM_SETSTYLE, SetWindowLongPtr), so a window of a
// button class keeps the kind in SKINKIND; other windows store nothing.
void KeepKind(HWND window, ControlKind kind);
void ForgetKind(HWND window);

}  // namespace taverel::skin
