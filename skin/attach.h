// The door of the skin engine: hand a top-level window to the skin and take
// it back. Any number of UI threads may use it at once, each for windows of
// its own; AttachSkin initialises the calling thread's engine on first use.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

// 1 when the window was taken over, 0 for a null handle or a window already skinned.
int AttachSkin(HWND window);
// 1 when the window was given back, 0 for a null handle, a window not
// skinned, or a window of another thread (each thread gives back its own).
int DetachSkin(HWND window);

// Takes one window over (a form or dialog box with all its descendants):
// the properties of its kind, a push button's state images and region, and
// SkinWindowProc as its procedure. 0 for a null handle, a window already
// skinned, or a window this thread does not own (its procedure could not be
// replaced, and it would never give itself back).
int SkinWindow(HWND window);
// Undoes SkinWindow (a form's descendants first). When the thread's last
// skinned window leaves, its glyph sheets and scratch surfaces are released
// and its engine starts afresh at the next AttachSkin. 0 for a null handle,
// a window not skinned, or a window of another thread.
int UnskinWindow(HWND window);

// EnumChildWindows callbacks: SkinWindow / UnskinWindow on each window; the
// value is ignored and the enumeration always goes on.
BOOL CALLBACK SkinChildCallback(HWND window, LPARAM value);
BOOL CALLBACK UnskinChildCallback(HWND window, LPARAM value);

}  // namespace taverel::skin
