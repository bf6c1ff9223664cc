// A small form with one control of each kind and two labels, for the tests
// of the forms layer. Positions in twips; pixels at 96 DPI in brackets.
#pragma once

#include "forms/check_box.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/text_box.h"

namespace taverel::forms::testing {

class TestForm : public Form {
public:
    explicit TestForm(FormSet* set = nullptr) : Form(set) {
        SetCaption(L"forms test");
        SetClientSize(4500, 3000);                          // (300, 200)
        Place(First, L"first", {150, 2400, 1500, 450}, 0);  // (10, 160, 100, 30)
        Add(First);
        Place(Box, L"box", {150, 150, 4200, 2100}, 1);  // (10, 10, 280, 140)
        Box.SetForeColor(0x000000FF);
        Add(Box);
        Edit.SetBounds({1500, 300, 1500, 450});  // (100, 20, 100, 30) in Box
        Edit.SetTabIndex(4);
        Box.Add(Edit);
        Place(OptionA, L"A", {150, 300, 900, 300}, 2);
        OptionA.SetValue(true);
        Box.Add(OptionA);
        Place(OptionB, L"B", {150, 750, 900, 300}, 3);
        Box.Add(OptionB);
        Place(Check, L"C", {150, 1200, 900, 300}, 6);
        Box.Add(Check);
        Caption.SetText(L"WWWW");
        Caption.SetBounds({1500, 1200, 1500, 450});  // at (100, 80) in Box
        Caption.SetTabIndex(5);
        Caption.SetForeColor(0x00FF0000);
        Caption.SetFont(FontSpec{L"宋体", 21.75, false, false, false, GB2312_CHARSET});
        Box.Add(Caption);
        Note.SetText(L"note");
        Note.SetBounds({2400, 2400, 1500, 300});  // at (160, 160) on the form
        Note.SetForeColor(0x00008000);
        Add(Note);
        Place(Last, L"last", {2400, 2700, 1500, 270}, 7);
        Add(Last);
    }
    ~TestForm() override { Close(); }

    static void Place(Control& control, const wchar_t* text, const TwipsRect& bounds, int tab) {
        control.SetText(text);
        control.SetBounds(bounds);
        control.SetTabIndex(tab);
    }

    CommandButton First;
    Frame Box;
    TextBox Edit;
    OptionButton OptionA;
    OptionButton OptionB;
    CheckBox Check;
    Label Caption;
    Label Note;
    CommandButton Last;
};

}  // namespace taverel::forms::testing
