#include "skin/kinds/kind_table.h"

#include "platform/window_class_names.h"
#include "platform/window_procedure.h"

#include <iterator>
#include <string_view>

namespace taverel::skin {

namespace {

struct ClassName {
    const wchar_t* name;  // compared lower-cased
    ControlKind kind;
    bool prefix = false;  // the name begins with it
};

// Exact names are tried before prefixes, so a prefix never shadows a name.
// The names of this program's own classes come from the list the forms
// layer registers them by (its frame, text box and list box are left out on
// purpose: they keep the kind Other and its client-edge frame); the others
// are those of the older runtime's controls and of the system's classes,
// which windows of other programs carry.
constexpr ClassName kClassNames[] = {
    {L"#32770", ControlKind::Form},
    {L"ThunderFormDC", ControlKind::Form},
    {platform::kFormClassName, ControlKind::Form},
    {L"Form", ControlKind::Form},
    {L"ThunderCommandButton", ControlKind::PushButton},
    {platform::kCommandButtonClassName, ControlKind::PushButton},
    {L"Button", ControlKind::PushButton},
    {L"ThunderComboBox", ControlKind::ComboBox},
    {platform::kComboBoxClassName, ControlKind::ComboBox},
    {L"Combo", ControlKind::ComboBox},
    {L"ComboBox", ControlKind::ComboBox},
    {L"ThunderDriveListBox", ControlKind::DriveList},
    {platform::kDriveListClassName, ControlKind::DriveList},
    {L"ThunderCheckBox", ControlKind::CheckBox},
    {platform::kCheckBoxClassName, ControlKind::CheckBox},
    {L"ThunderOptionButton", ControlKind::OptionButton},
    {platform::kOptionButtonClassName, ControlKind::OptionButton},
    {platform::kProgressBarClassName, ControlKind::ProgressBar},
    {L"ProgressBarWndClass", ControlKind::ProgressBar},
    {L"msvb_lib_header", ControlKind::Header},
    {platform::kHeaderClassName, ControlKind::Header},
    {platform::kDataListClassName, ControlKind::DataList},
    {L"DBListWndClass", ControlKind::DataList},
    {L"ComboLBox", ControlKind::DropDownList},
    {L"ApexGrid", ControlKind::Grid, true},
};

// Whether `lower` (already lower-cased) begins with `name` lower-cased, and
// when `whole`, is no longer than it. Only ASCII letters are lowered, as
// LowerAscii does: a name the caller has not lowered is not found.
bool MatchesLowered(std::wstring_view lower, const wchar_t* name, bool whole) {
    std::size_t i = 0;
    for (; name[i] != L'\0'; ++i) {
        const wchar_t c = name[i];
        const wchar_t lowered = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
        if (i >= lower.size() || lower[i] != lowered)
            return false;
    }
    return !whole || i == lower.size();
}

}  // namespace

ControlKind ClassifyClassName(const std::wstring& lower_class_name) {
    if (lower_class_name.empty())
        return ControlKind::Other;
    for (const ClassName& entry : kClassNames) {
        if (!entry.prefix && MatchesLowered(lower_class_name, entry.name, true))
            return entry.kind;
    }
    for (const ClassName& entry : kClassNames) {
        if (entry.prefix && MatchesLowered(lower_class_name, entry.name, false))
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
