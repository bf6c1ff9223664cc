// The explanation window: the picture with both formulas, the maker's notice
// and the link to the forum, which starts the browser when clicked.
#pragma once

#include "app/ui/program_starter.h"
#include "forms/form.h"
#include "forms/label.h"

#include <string>

namespace taverel::app {

inline constexpr wchar_t kForumAddress[] = L"http://forum.taverel.example";

class Form2 : public forms::Form {
public:
    Form2(ProgramStarter& starter, forms::FormSet* set);
    ~Form2() override;

    forms::Label Label2;  // the forum address
    forms::Label Label1;  // the notice

    void Form_Load();
    void Form_KeyPress(wchar_t key);
    void Form_MouseMove();
    void Label2_MouseMove();
    void Label2_Click();

    // "rundll32.exe url.dll,FileProtocolHandler" "<address>/"
    static std::wstring BrowserCommandLine();

private:
    ProgramStarter& starter_;
};

}  // namespace taverel::app
