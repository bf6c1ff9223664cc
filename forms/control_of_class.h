// A control kind in one line: `class CommandButton : public
// ControlOfClass<kCommandButtonClass>` gives the kind its class name, its class
// procedure (which finds the object and forwards the rest to the system
// class) and its registration, which runs before each creation, so a new
// kind needs nothing outside its own files and its line in window_class.h.
// `Base` is the kind it builds on, for kinds that share behaviour under
// another class name (a drive list is a combo box).
#pragma once

#include "forms/control.h"
#include "forms/window_class.h"

namespace taverel::forms {

template <const KindClass& Class, typename Base = Control>
class ControlOfClass : public Base {
public:
    using Base::Base;

protected:
    const wchar_t* ClassName() const override { return Class.name; }
    bool RegisterWindowClass() const override {
        // The system procedure is asked for before the superclass exists:
        // afterwards a superclass of the same name could answer instead.
        SystemProcedure();
        return RegisterSuperclass(Class, &Procedure);
    }

private:
    // The system class procedure does not change while the process runs.
    static WNDPROC SystemProcedure() {
        static const WNDPROC procedure = SystemClassProcedure(Class);
        return procedure;
    }
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        return Control::Dispatch(SystemProcedure(), window, message, wparam, lparam);
    }
};

}  // namespace taverel::forms
