// Header controls, drawn whole by the skin: a background stretched from one
// column of the normal face, one face per item and the caption centred on
// it. They track two item indexes: the item pressed (HDINDEX) and the item
// under the pointer (HMINDEX). Entry points: HeaderKind() of the kind table.
#pragma once

#include "platform/win.h"
#include "skin/draw/visual_state.h"

#include <string>

namespace taverel::skin {

// Draws item `index` in `state`; a dc of nullptr means the window's own DC.
// Nothing for a negative index. Always 0.
int PaintHeaderItem(HWND window, HDC dc, int index, VisualState state);

// Copies the caption of header item `index` into `buffer`, telling the
// control the buffer's true capacity, so a longer caption is cut rather than
// written past the end. Returns the number of characters kept.
int ReadHeaderItemText(HWND header, int index, wchar_t* buffer, int capacity);
// The caption of a header item (at most 255 characters), NULs left out.
std::wstring GetHeaderItemCaption(HWND header, int index);
// Index of the first item whose left <= x <= right, -1 when none.
int HeaderHitTest(HWND header, int x);

}  // namespace taverel::skin
