// The names of the window classes the forms layer registers, one list for
// the two layers that meet through them: forms/ registers its classes under
// these names and the skin's class table (skin/kinds/kind_table.cpp)
// recognises windows by them. Neither layer includes the other, so a name
// kept in two places could be renamed in one and the skin would quietly
// leave that control in the platform's look; kept here, a rename is one edit
// and a removal a compile error.
//
// The names are those of the classic form runtime's controls, which other
// tools (and the skin, for windows of other programs) already know; see the
// glossary in docs/architecture.md.
#pragma once

namespace taverel::platform {

inline constexpr wchar_t kFormClassName[] = L"ThunderRT6FormDC";
inline constexpr wchar_t kCommandButtonClassName[] = L"ThunderRT6CommandButton";
inline constexpr wchar_t kOptionButtonClassName[] = L"ThunderRT6OptionButton";
inline constexpr wchar_t kCheckBoxClassName[] = L"ThunderRT6CheckBox";
inline constexpr wchar_t kFrameClassName[] = L"ThunderRT6Frame";
inline constexpr wchar_t kTextBoxClassName[] = L"ThunderRT6TextBox";
inline constexpr wchar_t kComboBoxClassName[] = L"ThunderRT6ComboBox";
inline constexpr wchar_t kDriveListClassName[] = L"ThunderRT6DriveListBox";
inline constexpr wchar_t kListBoxClassName[] = L"ThunderRT6ListBox";
inline constexpr wchar_t kDataListClassName[] = L"DataListWndClass";
inline constexpr wchar_t kProgressBarClassName[] = L"ProgressBar20WndClass";
// The common controls' own header class name (WC_HEADERW), which the forms
// layer registers again as a class of this module.
inline constexpr wchar_t kHeaderClassName[] = L"SysHeader32";

}  // namespace taverel::platform
