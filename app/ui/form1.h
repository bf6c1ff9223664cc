// The main window: the size box, the two algorithms, the result box, and the
// buttons that calculate and that open the explanation window.
#pragma once

#include "app/calc/partition_size.h"
#include "app/ui/form2.h"
#include "app/ui/program_starter.h"
#include "app/ui/size_balloon.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/text_box.h"

#include <memory>

namespace taverel::app {

class Form1 : public forms::Form {
public:
    // `starter` starts the browser from the explanation window; `set` (may
    // be null) ends the message loop when the last form has closed.
    Form1(ProgramStarter& starter, forms::FormSet* set);
    ~Form1() override;

    // In the order the window creates them.
    forms::CommandButton Command1;
    forms::Frame Frame1;
    forms::TextBox Text2;
    forms::TextBox Text1;
    forms::OptionButton Option1;
    forms::OptionButton Option2;
    forms::Label Label4;
    forms::Label Label3;
    forms::Label Label2;
    forms::Label Label1;
    forms::CommandButton Command2;
    // On Text2: what Windows will show when it is not the typed whole GB.
    SizeBalloon Balloon;

    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void Text1_Click();
    void Text1_KeyPress(wchar_t key);

    // The explanation window, null before its first use.
    Form2* ExplanationWindow() const { return form2_.get(); }
    const calc::PartitionFields& Fields() const { return fields_; }

private:
    ProgramStarter& starter_;
    forms::FormSet* set_;
    calc::PartitionFields fields_;
    std::unique_ptr<Form2> form2_;
};

}  // namespace taverel::app
