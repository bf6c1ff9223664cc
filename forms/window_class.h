// The window classes of the forms layer. Each control kind superclasses a
// system class under its own name (the names the skin engine recognises):
// same class data, our class procedure, which forwards to the system one.
// Behaviour lives in the class procedure rather than in a subclass so that a
// later SetWindowLongPtrW(GWLP_WNDPROC) by the skin, which forwards to the
// procedure it replaced, keeps all of it working underneath.
//
// Every class is registered on first use through RegisterWindowClass, the
// one registration path; a kind declares its class once, below, and
// ControlOfClass (forms/control_of_class.h) gives it its procedure.
#pragma once

#include "platform/win.h"

#include <commctrl.h>

namespace taverel::forms {

// How a control kind's window class is made.
struct KindClass {
    const wchar_t* name;          // the class name windows of the kind get
    const wchar_t* system_class;  // the class it superclasses
    DWORD common_controls = 0;    // ICC_* to load first; 0 for USER's classes
};

inline constexpr KindClass kCommandButtonClass{L"ThunderRT6CommandButton", L"BUTTON"};
inline constexpr KindClass kOptionButtonClass{L"ThunderRT6OptionButton", L"BUTTON"};
inline constexpr KindClass kCheckBoxClass{L"ThunderRT6CheckBox", L"BUTTON"};
inline constexpr KindClass kFrameClass{L"ThunderRT6Frame", L"BUTTON"};
inline constexpr KindClass kTextBoxClass{L"ThunderRT6TextBox", L"EDIT"};
inline constexpr KindClass kComboBoxClass{L"ThunderRT6ComboBox", L"COMBOBOX"};
inline constexpr KindClass kDriveListClass{L"ThunderRT6DriveListBox", L"COMBOBOX"};
inline constexpr KindClass kListBoxClass{L"ThunderRT6ListBox", L"LISTBOX"};
inline constexpr KindClass kDataListClass{L"DataListWndClass", L"LISTBOX"};
inline constexpr KindClass kProgressBarClass{L"ProgressBar20WndClass", PROGRESS_CLASSW,
                                             ICC_PROGRESS_CLASS};
// This module's own "SysHeader32": for windows this module creates it takes
// precedence over the platform's global class of the same name, so the
// window keeps the name the skin and other tools know while its object
// still hears it.
inline constexpr KindClass kHeaderClass{WC_HEADERW, WC_HEADERW, ICC_LISTVIEW_CLASSES};

// The class of forms: not a superclass, a class of its own.
inline constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";

// A container sends WM_COMMAND and WM_CTLCOLOR* that a child sent it back to
// that child as kReflectedBase + message, so each control handles its own
// notifications and colours.
inline constexpr UINT kReflectedBase = WM_APP + 0x1000;

// The window procedure of the kind's system class, with the common controls
// it needs loaded; DefWindowProcW when the class is unknown.
WNDPROC SystemClassProcedure(const KindClass& kind);

// Registers `info` unless this module already has a class of that name with
// the same procedure. True when the class is there to use; a failure leaves
// a trace with the error code.
bool RegisterWindowClass(const WNDCLASSEXW& info);

// Registers the kind's class as a superclass of its system class with
// `procedure` as class procedure (through RegisterWindowClass).
bool RegisterSuperclass(const KindClass& kind, WNDPROC procedure);

}  // namespace taverel::forms
