#include "app/ui/form2.h"

#include "app/ui/explanation_picture.h"
#include "app/ui/resource.h"

namespace taverel::app {

namespace {
constexpr COLORREF kLinkColour = 0x00FF0000;
constexpr COLORREF kNoticeColour = 0x00008000;
}  // namespace

Form2::Form2(ProgramStarter& starter, forms::FormSet* set) : Form(set), starter_(starter) {
    SetCaption(L"原理说明");
    SetClientSize(kExplanationClientWidthTwips, kExplanationClientHeightTwips);
    SetIconResource(IDI_TAVEREL);

    Label2.SetText(kForumAddress);
    Label2.SetBounds({2640, 3000, 2070, 180});
    Label2.SetTabIndex(1);
    Label2.SetForeColor(kLinkColour);
    Label2.SetFont(forms::FontSpec{L"宋体", 9, false, false, true, GB2312_CHARSET});
    Add(Label2);

    Label1.SetText(L"© 2026 Taverel");
    Label1.SetBounds({480, 3000, 1980, 180});
    Label1.SetTabIndex(0);
    Label1.SetForeColor(kNoticeColour);
    Add(Label1);

    Load = [this] { Form_Load(); };
    KeyPress = [this](wchar_t key) { Form_KeyPress(key); };
    MouseMove = [this](const forms::MouseEventArgs&) { Form_MouseMove(); };
    Label2.MouseMove = [this](const forms::MouseEventArgs&) { Label2_MouseMove(); };
    Label2.Click = [this] { Label2_Click(); };
}

Form2::~Form2() {
    Close();
}

void Form2::Form_Load() {
    // Drawn for the DPI the window has just been created at.
    SetPicture(DrawExplanationPicture(DpiSetting().y));
}

void Form2::Form_KeyPress(wchar_t key) {
    // Esc closes the window as its close box does; it has nothing to cancel.
    if (key == VK_ESCAPE)
        Close();
}

void Form2::Form_MouseMove() {
    Label2.SetFontUnderline(true);
}

void Form2::Label2_MouseMove() {
    Label2.SetFontUnderline(false);
    Label2.SetForeColor(kLinkColour);
}

std::wstring Form2::BrowserCommandLine() {
    return std::wstring(L"rundll32.exe url.dll,FileProtocolHandler") + L" " + L'"' + kForumAddress +
           L"/" + L'"';
}

void Form2::Label2_Click() {
    starter_.Start(SystemDirectoryFile(L"rundll32.exe"), BrowserCommandLine());
}

}  // namespace taverel::app
