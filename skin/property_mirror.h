// A copy, kept in this process, of the properties of every skinned window.
// Reading a window property is a round trip to the window system; under Wine
// one costs about a third of a button-sized blend, and a fade tick or a paint
// reads several. The window properties stay the record: every write goes to
// the window first and then to the copy, and a window is copied only from
// the moment the skin takes it over to the moment it gives it back, so the
// copy never outlives the window or answers for one the skin does not hold.
#pragma once

#include "platform/win.h"

#include <optional>

namespace taverel::skin {

void BeginPropertyMirror(HWND window);
void EndPropertyMirror(HWND window);
// Forgets every window (the engine returning to its uninitialised state).
void EndAllPropertyMirrors();

// The copied value of a property of a mirrored window: nullopt when the
// window is not mirrored, the name is not one of the skin's, or the value has
// not been read or written since the mirror began.
std::optional<INT_PTR> MirroredProperty(HWND window, const wchar_t* name);
// Records what was just written to (or, with `stored` false, what failed to
// reach) the window; nothing for a window that is not mirrored.
void MirrorPropertyWrite(HWND window, const wchar_t* name, INT_PTR value, bool stored);

}  // namespace taverel::skin
