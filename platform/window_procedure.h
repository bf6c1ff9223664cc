// Replacing a window's procedure and forwarding to the one it replaced.
// Always the W calls with pointer-sized values: a procedure address does not
// fit 32 bits on x64, and CallWindowProcW converts for ANSI procedures.
#pragma once

#include "platform/win.h"

namespace taverel::platform {

// Installs `procedure` and returns the procedure it replaced; nullptr when the
// platform refused (for instance a window of another process).
WNDPROC ReplaceWindowProcedure(HWND window, WNDPROC procedure);

// The procedure installed now.
WNDPROC CurrentWindowProcedure(HWND window);

// Passes a message on to `previous` and returns its result unchanged.
LRESULT ForwardMessage(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// True when the calling thread created the window; only that thread can
// replace its procedure.
bool IsWindowOfThisThread(HWND window);

}  // namespace taverel::platform
