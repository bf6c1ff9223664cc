// The windows every window test stands on: classes registered once per
// process, a visible top-level window of a given client size, children on
// it, and the real pointer moved through the input queue. The skin, kind
// and forms fixtures and the screenshot bench build on these.
#pragma once

#include "platform/win.h"

#include <string>
#include <vector>

namespace taverel::testing {

// Registers `name` once per process and returns it (nullptr if that failed). With `base`, a
// superclass of that platform class (same styles and background); else a
// class with double clicks, the arrow cursor and `background`. Its procedure
// is `procedure`, or the base's (DefWindowProc without a base). A class the
// program registered first under the same name is left as it is.
const wchar_t* RegisterTestClass(const wchar_t* name, const wchar_t* base = nullptr,
                                 WNDPROC procedure = nullptr, HBRUSH background = nullptr);
// The window procedure of the platform class `base`.
WNDPROC BaseProcedure(const wchar_t* base);

// A visible top-level window whose client area is `width` x `height` at
// (x, y) of its frame.
HWND CreateTopWindow(const wchar_t* class_name, const wchar_t* title, DWORD style, DWORD ex_style,
                     int x, int y, int width, int height);
// A visible child; `style` adds to WS_CHILD | WS_VISIBLE.
HWND CreateChildWindow(HWND parent, const wchar_t* class_name, const wchar_t* text, DWORD style,
                       int x, int y, int width, int height, DWORD ex_style = 0);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
// A window's box in the client coordinates of `parent`.
RECT RectIn(HWND window, HWND parent);

// Moves the real pointer through the input queue (absolute screen pixels).
void MovePointerTo(int x, int y);
// A real key press through the input queue, with `modifier` (VK_SHIFT,
// VK_CONTROL) held if given.
void SendKey(WORD key, WORD modifier = 0);
// WM_KEYDOWN of `key` sent to `window`, Shift held in the keyboard state.
void PressKey(HWND window, UINT key, bool shift);
// The windows the focus visits in `count` presses of Tab (Shift+Tab).
std::vector<HWND> TabRound(bool shift, std::size_t count);

}  // namespace taverel::testing
