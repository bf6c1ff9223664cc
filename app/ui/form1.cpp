#include "app/ui/form1.h"

#include "app/calc/number_locale.h"
#include "app/calc/shown_size.h"
#include "app/ui/resource.h"
#include "skin/attach.h"

namespace taverel::app {

namespace {

constexpr COLORREF kRed = 0x000000FF;
constexpr COLORREF kBlue = 0x00FF0000;
constexpr COLORREF kMagenta = 0x00FF00FF;

const forms::FontSpec kBoxFont{L"宋体", 18, false, false, false, GB2312_CHARSET};
const forms::FontSpec kLabelFont{L"宋体", 21.75, false, false, false, GB2312_CHARSET};

// The note when the figure would not show as the typed whole G once today's
// Windows has formatted it FAT32, or when G is past what Explorer writes in
// GB; none (and nothing on hover) when it would show G.
void NoteWhatWindowsShows(SizeBalloon& balloon, const std::wstring& size,
                          const std::wstring& figure) {
    const std::optional<calc::ShownSize> shown =
        calc::CheckShownSize(calc::ReadPartitionSize(size, calc::CurrentNumberLocale()), figure,
                             calc::Fat32Layout::Win7);
    if (shown && calc::ShownSizeSurprises(*shown))
        balloon.Show(calc::ShownSizeTitle(*shown), calc::ShownSizeNote(*shown));
    else
        balloon.Show({}, {});
}

}  // namespace

Form1::Form1(ProgramStarter& starter, forms::FormSet* set)
    : Form(set), starter_(starter), set_(set) {
    SetCaption(L"Taverel    Morvane专用版");
    SetClientSize(5175, 2640);
    SetIconResource(IDI_TAVEREL);

    Command1.SetText(L"计算公式说明");
    Command1.SetBounds({120, 2040, 1695, 495});
    Command1.SetTabIndex(10);
    Add(Command1);

    Frame1.SetText(L"FAT32格式");
    Frame1.SetBounds({120, 120, 4935, 1815});
    Frame1.SetTabIndex(1);
    Frame1.SetForeColor(kRed);
    Add(Frame1);

    Text2.SetBounds({2040, 1080, 2175, 495});
    Text2.SetTabIndex(8);
    Text2.SetForeColor(kRed);
    Text2.SetFont(kBoxFont);
    Frame1.Add(Text2);

    Text1.SetBounds({2040, 360, 2175, 495});
    Text1.SetTabIndex(5);
    Text1.SetForeColor(kMagenta);
    Text1.SetFont(kBoxFont);
    Frame1.Add(Text1);

    Option1.SetText(L"旧算法");
    Option1.SetBounds({120, 360, 855, 255});
    Option1.SetTabIndex(3);
    Option1.SetForeColor(kBlue);
    Frame1.Add(Option1);

    Option2.SetText(L"新算法");
    Option2.SetBounds({120, 600, 855, 375});
    Option2.SetTabIndex(2);
    Option2.SetForeColor(kMagenta);
    Option2.SetValue(true);
    Frame1.Add(Option2);

    const struct {
        forms::Label& label;
        const wchar_t* text;
        forms::TwipsRect bounds;
        int tab_index;
        COLORREF colour;
    } labels[] = {
        {Label4, L"MB", {4320, 1080, 450, 435}, 9, kRed},
        {Label3, L"计算结果：", {120, 1080, 2175, 435}, 7, kRed},
        {Label2, L"GB", {4320, 360, 450, 435}, 6, kMagenta},
        {Label1, L"分区：", {960, 360, 1305, 435}, 4, kMagenta},
    };
    for (const auto& entry : labels) {
        entry.label.SetText(entry.text);
        entry.label.SetBounds(entry.bounds);
        entry.label.SetTabIndex(entry.tab_index);
        entry.label.SetForeColor(entry.colour);
        entry.label.SetFont(kLabelFont);
        Frame1.Add(entry.label);
    }

    Command2.SetText(L"开始计算");
    Command2.SetBounds({3240, 2040, 1815, 495});
    Command2.SetTabIndex(0);
    Add(Command2);

    Load = [this] { Form_Load(); };
    Unload = [this] { Form_Unload(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Text1.Click = [this] { Text1_Click(); };
    Text1.KeyPress = [this](wchar_t key) { Text1_KeyPress(key); };
}

Form1::~Form1() {
    // Unload needs the controls, which go before the base class does.
    Close();
}

void Form1::Form_Load() {
    skin::AttachSkin(Window());
    Balloon.Create(Window(), Text2.Window(), Command2.Window());
}

void Form1::Form_Unload() {
    Balloon.Destroy();
    skin::DetachSkin(Window());
}

void Form1::Command1_Click() {
    // One explanation window at most: shown again while open, made anew
    // once it has been closed.
    if (!form2_ || !form2_->IsOpen())
        form2_ = std::make_unique<Form2>(starter_, set_);
    // A window that could not be made has left its trace; the main window
    // carries on without it.
    if (!form2_->Show())
        form2_.reset();
}

void Form1::Command2_Click() {
    const calc::CalculationResult result = calc::CalculatePartitionSize(
        Text1.Text(), Option1.Value(), Option2.Value(), fields_, calc::CurrentNumberLocale());
    switch (result.outcome) {
        case calc::CalculationOutcome::InputError:
        case calc::CalculationOutcome::NotPositive:
            ShowMessage(result.outcome == calc::CalculationOutcome::InputError
                            ? calc::kNotNumericText
                            : calc::kNotPositiveText,
                        L"输入错误", MB_OK | MB_ICONEXCLAMATION);
            Text1.SetText(L"");
            Text1.SetFocus();
            break;
        case calc::CalculationOutcome::ArithmeticFault:
            ShowMessage(calc::kTooLargeText, L"计算错误", MB_OK | MB_ICONEXCLAMATION);
            break;
        case calc::CalculationOutcome::Result:
            if (Option1.Value() || Option2.Value()) {
                Text2.SetText(result.text);
                NoteWhatWindowsShows(Balloon, Text1.Text(), result.text);
            }
            break;
    }
}

void Form1::Option1_Click() {
    if (!Text1.Text().empty())
        Command2_Click();
}

void Form1::Option2_Click() {
    if (!Text1.Text().empty())
        Command2_Click();
}

void Form1::Text1_Click() {
    Balloon.Hide();
    Text1.SetText(L"");
}

void Form1::Text1_KeyPress(wchar_t key) {
    Balloon.Hide();
    if (key == L'\r')
        Command2_Click();
}

}  // namespace taverel::app
