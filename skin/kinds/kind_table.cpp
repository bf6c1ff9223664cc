#include "skin/kinds/kind_table.h"

#include "platform/window_procedure.h"

namespace taverel::skin {

namespace {

struct ClassName {
    const wchar_t* name;  // lower case
    ControlKind kind;
    bool prefix = false;  // the name begins with it
};

// Exact names are tried before prefixes, so a prefix never shadows a name.
constexpr ClassName kClassNames[] = {
    {L"#32770", ControlKind::Form},
    {L"thunderformdc", ControlKind::Form},
    {L"thunderrt6formdc", ControlKind::Form},
    {L"form", ControlKind::Form},
    {L"thundercommandbutton", ControlKind::PushButton},
    {L"thunderrt6commandbutton", ControlKind::PushButton},
    {L"button", ControlKind::PushButton},
    {L"thundercombobox", ControlKind::ComboBox},
    {L"thunderrt6combobox", ControlKind::ComboBox},
    {L"combo", ControlKind::ComboBox},
    {L"combobox", ControlKind::ComboBox},
    {L"thunderdrivelistbox", ControlKind::DriveList},
    {L"thunderrt6drivelistbox", ControlKind::DriveList},
    {L"thundercheckbox", ControlKind::CheckBox},
    {L"thunderrt6checkbox", ControlKind::CheckBox},
    {L"thunderoptionbutton", ControlKind::OptionButton},
    {L"thunderrt6optionbutton", ControlKind::OptionButton},
    {L"progressbar20wndclass", ControlKind::ProgressBar},
    {L"progressbarwndclass", ControlKind::ProgressBar},
    {L"msvb_lib_header", ControlKind::Header},
    {L"sysheader32", ControlKind::Header},
    {L"datalistwndclass", ControlKind::DataList},
    {L"dblistwndclass", ControlKind::DataList},
    {L"combolbox", ControlKind::DropDownList},
    {L"apexgrid", ControlKind::Grid, true},
};

}  // namespace

ControlKind ClassifyClassName(const std::wstring& lower_class_name) {
    if (lower_class_name.empty())
        return ControlKind::Other;
    for (const ClassName& entry : kClassNames) {
        if (!entry.prefix && lower_class_name == entry.name)
            return entry.kind;
    }
    for (const ClassName& entry : kClassNames) {
        if (entry.prefix && lower_class_name.rfind(entry.name, 0) == 0)
            return entry.kind;
    }
    return ControlKind::Other;
}

const KindEntryPoints& EntryPointsOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Form:
            return FormKind();
        case ControlKind::PushButton:
            return PushButtonKind();
        case ControlKind::ComboBox:
            return ComboBoxKind();
        case ControlKind::DriveList:
            return DriveListKind();
        case ControlKind::CheckBox:
            return CheckBoxKind();
        case ControlKind::OptionButton:
            return OptionButtonKind();
        case ControlKind::ProgressBar:
            return ProgressBarKind();
        case ControlKind::Header:
            return HeaderKind();
        case ControlKind::DataList:
            return DataListKind();
        case ControlKind::DropDownList:
            return DropDownListKind();
        case ControlKind::Grid:
            return GridKind();
        case ControlKind::Other:
            break;
    }
    return OtherKind();
}

LRESULT ForwardOnly(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return platform::ForwardMessage(previous, window, message, wparam, lparam);
}

}  // namespace taverel::skin
