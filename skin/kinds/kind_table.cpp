#include "skin/kinds/kind_table.h"

#include "platform/window_procedure.h"

#include <iterator>

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
    struct KindRow {
        ControlKind kind;
        KindEntryPoints entry_points;
    };
    static const KindRow kKinds[] = {
        {ControlKind::Form, FormKind()},
        {ControlKind::PushButton, PushButtonKind()},
        {ControlKind::ComboBox, ComboBoxKind()},
        {ControlKind::DriveList, DriveListKind()},
        {ControlKind::CheckBox, CheckBoxKind()},
        {ControlKind::OptionButton, OptionButtonKind()},
        {ControlKind::ProgressBar, ProgressBarKind()},
        {ControlKind::Header, HeaderKind()},
        {ControlKind::DataList, DataListKind()},
        {ControlKind::DropDownList, DropDownListKind()},
        {ControlKind::Grid, GridKind()},
        {ControlKind::Other, OtherKind()},
    };
    for (const KindRow& row : kKinds) {
        if (row.kind == kind)
            return row.entry_points;
    }
    return kKinds[std::size(kKinds) - 1].entry_points;
}

LRESULT ForwardOnly(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return platform::ForwardMessage(previous, window, message, wparam, lparam);
}

}  // namespace taverel::skin
