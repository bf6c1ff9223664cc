#include "skin/control_kind.h"

#include <array>

namespace taverel::skin {

namespace {

struct KindEntry {
    const wchar_t* name;
    ControlKind kind;
};

constexpr std::array<KindEntry, 21> kClassTable{{
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
}};

}  // namespace

std::wstring GetWindowClassName(HWND window) {
    wchar_t buffer[256] = {};
    const int length = GetClassNameW(window, buffer, 256);
    if (length <= 0)
        return std::wstring();
    return std::wstring(buffer, static_cast<size_t>(length));
}

std::wstring LowerAscii(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

std::wstring LowerClassName(HWND window) {
    return LowerAscii(GetWindowClassName(window));
}

ControlKind ClassifyClassName(const std::wstring& lower_class_name) {
    if (lower_class_name.empty())
        return ControlKind::Other;
    for (const KindEntry& entry : kClassTable) {
        if (lower_class_name == entry.name)
            return entry.kind;
    }
    return ControlKind::Other;
}

ControlKind GetControlKind(HWND window) {
    return ClassifyClassName(LowerClassName(window));
}

}  // namespace taverel::skin
