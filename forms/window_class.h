// The window classes of the forms layer. Each control kind superclasses a
// system class under its own name (the names the skin engine recognises):
// same class data, our class procedure, which forwards to the system one.
// The names are in platform/window_class_names.h, the one list the skin's
// class table reads as well. Behaviour lives in the class procedure rather than in a subclass so
// that a later SetWindowLongPtrW(GWLP_WNDPROC) by the skin, which forwards to the procedure it
// replaced, keeps all of it working underneath.
//
// Every class is registered on first use through RegisterWindowClass, the
// one registration path; a kind declares its class once, below, and
// ControlOfClass (forms/control_of_class.h) gives it its procedure.
#pragma once

#include "platform/win.h"
#include "platform/window_class_names.h"

#include <commctrl.h>

#include <string_view>

namespace taverel::forms {

// How a control kind's window class is made.
struct KindClass {
    const wchar_t* name;          // the class name windows of the kind get
    const wchar_t* system_class;  // the class it superclasses
    DWORD common_controls = 0;    // ICC_* to load first; 0 for USER's classes
};

inline constexpr KindClass kCommandButtonClass{platform::kCommandButtonClassName, L"BUTTON"};
inline constexpr KindClass kOptionButtonClass{platform::kOptionButtonClassName, L"BUTTON"};
inline constexpr KindClass kCheckBoxClass{platform::kCheckBoxClassName, L"BUTTON"};
inline constexpr KindClass kFrameClass{platform::kFrameClassName, L"BUTTON"};
inline constexpr KindClass kTextBoxClass{platform::kTextBoxClassName, L"EDIT"};
inline constexpr KindClass kComboBoxClass{platform::kComboBoxClassName, L"COMBOBOX"};
inline constexpr KindClass kDriveListClass{platform::kDriveListClassName, L"COMBOBOX"};
inline constexpr KindClass kListBoxClass{platform::kListBoxClassName, L"LISTBOX"};
inline constexpr KindClass kDataListClass{platform::kDataListClassName, L"LISTBOX"};
inline constexpr KindClass kProgressBarClass{platform::kProgressBarClassName, PROGRESS_CLASSW,
                                             ICC_PROGRESS_CLASS};
// This module's own "SysHeader32": for windows this module creates it takes
// precedence over the platform's global class of the same name, so the
// window keeps the name the skin and other tools know while its object
// still hears it.
static_assert(std::wstring_view(platform::kHeaderClassName) == WC_HEADERW);
inline constexpr KindClass kHeaderClass{platform::kHeaderClassName, WC_HEADERW,
                                        ICC_LISTVIEW_CLASSES};

// The class of forms: not a superclass, a class of its own.
inline constexpr const wchar_t* kFormClass = platform::kFormClassName;

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
