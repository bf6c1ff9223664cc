// The window classes of the forms layer. Each control kind superclasses a
// system class under its own name (the names the skin engine recognises):
// same class data, our class procedure, which forwards to the system one.
// Behaviour lives in the class procedure rather than in a subclass so that a
// later SetWindowLongPtrW(GWLP_WNDPROC) by the skin, which forwards to the
// procedure it replaced, keeps all of it working underneath.
#pragma once

#include "platform/win.h"

namespace taverel::forms {

inline constexpr wchar_t kFormClass[] = L"ThunderRT6FormDC";
inline constexpr wchar_t kCommandButtonClass[] = L"ThunderRT6CommandButton";
inline constexpr wchar_t kOptionButtonClass[] = L"ThunderRT6OptionButton";
inline constexpr wchar_t kCheckBoxClass[] = L"ThunderRT6CheckBox";
inline constexpr wchar_t kTextBoxClass[] = L"ThunderRT6TextBox";
inline constexpr wchar_t kFrameClass[] = L"ThunderRT6Frame";

// A container sends WM_COMMAND and WM_CTLCOLOR* that a child sent it back to
// that child as kReflectedBase + message, so each control handles its own
// notifications and colours.
inline constexpr UINT kReflectedBase = WM_APP + 0x1000;

// The window procedure of a system class ("BUTTON", "EDIT", ...).
WNDPROC SystemClassProcedure(const wchar_t* system_class);

// Registers `name` as a superclass of `system_class` with `procedure` as its
// class procedure, unless this module already has it. True when registered.
bool RegisterSuperclass(const wchar_t* name, const wchar_t* system_class, WNDPROC procedure);

// Registers every class of the forms layer (forms and all control kinds).
void RegisterWindowClasses();

}  // namespace taverel::forms
