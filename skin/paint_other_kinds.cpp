// The two paint handlers' class order for everything but push buttons. The
// names are tested in a fixed order and the first match wins; the order
// matters only for the wildcard "apexgrid*", which comes after every exact
// name.
#include "skin/other_kinds.h"
#include "skin/other_kinds_parts.h"

#include <initializer_list>
#include <string>

namespace taverel::skin {

namespace {

bool IsOneOf(const std::wstring& name, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* candidate : names) {
        if (name == candidate)
            return true;
    }
    return false;
}

bool StartsWith(const std::wstring& name, const std::wstring& prefix) {
    return name.compare(0, prefix.size(), prefix) == 0;
}

bool IsDataList(const std::wstring& name) {
    return IsOneOf(name, {L"datalistwndclass", L"dblistwndclass"});
}

bool IsProgressBar(const std::wstring& name) {
    return IsOneOf(name, {L"progressbar20wndclass", L"progressbarwndclass"});
}

}  // namespace

LRESULT PaintOtherKinds(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const std::wstring name = LowerClassName(window);
    if (IsOneOf(name, {L"thundercombobox", L"thunderrt6combobox", L"combo", L"combobox"}))
        return PaintComboBoxBranch(previous, window, message, wparam, lparam);
    if (IsOneOf(name, {L"thunderdrivelistbox", L"thunderrt6drivelistbox"}))
        return PaintDriveListBranch(previous, window, message, wparam, lparam);
    if (IsOneOf(name, {L"thundercheckbox", L"thunderrt6checkbox"})) {
        const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
        PaintCheckBox(window, VisualState::Normal, true);
        return result;
    }
    if (IsOneOf(name, {L"thunderoptionbutton", L"thunderrt6optionbutton"})) {
        const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
        PaintOptionButton(window, VisualState::Normal, true);
        return result;
    }
    if (IsDataList(name) || name == L"combolbox")
        return PaintListFrameBranch(previous, window, message, wparam, lparam);
    if (IsProgressBar(name))
        return PaintProgressBarBranch(window);
    if (IsOneOf(name, {L"msvb_lib_header", L"sysheader32"}))
        return PaintHeaderBranch(window);
    if (StartsWith(name, L"apexgrid"))
        return PaintGridFrameBranch(previous, window, message, wparam, lparam);
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

LRESULT OnNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const std::wstring name = LowerClassName(window);
    if (IsProgressBar(name))
        return PaintProgressFrame(window);
    if (IsDataList(name))
        return CallWindowProcW(previous, window, message, wparam, lparam);
    return PaintClientEdgeFrame(previous, window, message, wparam, lparam);
}

}  // namespace taverel::skin
