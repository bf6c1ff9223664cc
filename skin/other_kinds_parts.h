// The pieces the paint handlers and the tracking branches of the non-push-
// button kinds share among themselves (and that tests reach directly).
#pragma once

#include "platform/win.h"

#include <string>

namespace taverel::skin {

// Outer one-pixel frame (0, 0, W, H) in the border colour of the enabled
// state, inner one-pixel frame (1, 1, W - 2, H - 2) in white.
void PaintListBorder(HDC dc, int width, int height, bool enabled);

// WM_PAINT branches; each returns the handler's result.
LRESULT PaintComboBoxBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam);
LRESULT PaintDriveListBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam);
LRESULT PaintHeaderBranch(HWND window);
LRESULT PaintListFrameBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam);
LRESULT PaintGridFrameBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam);
LRESULT PaintProgressBarBranch(HWND window);

// WM_NCPAINT branches.
LRESULT PaintProgressFrame(HWND window);
LRESULT PaintClientEdgeFrame(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam);

// The filled share of a progress bar: position / 30000 (the skin's bars all
// run over 0..30000), held as a float.
float ProgressFraction(HWND window);

// Copies the caption of header item `index` into `buffer`, telling the
// control the buffer's true capacity, so a longer caption is cut rather than
// written past the end. Returns the number of characters kept.
int ReadHeaderItemText(HWND header, int index, wchar_t* buffer, int capacity);
// The caption of a header item (at most 255 characters), NULs left out.
std::wstring GetHeaderItemCaption(HWND header, int index);
// Index of the first item whose left <= x <= right, -1 when none.
int HeaderHitTest(HWND header, int x);

// An editable combo box reacts to the mouse only over its drop-down button:
// W - c - 2 <= x <= W - 2 and 2 <= y <= H - 2, c the scroll-bar width.
bool InComboDropZone(HWND combo, int x, int y);

}  // namespace taverel::skin
