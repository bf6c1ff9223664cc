// Painters and tracking for the kinds beyond push buttons: check boxes,
// option buttons, combo boxes, drive lists, headers, progress bars, lists,
// grids and client-edge frames. The window procedure's handlers call these
// after they have forwarded the message to the control's own procedure.
#pragma once

#include "platform/win.h"
#include "skin/control_kind.h"
#include "skin/draw/visual_state.h"

namespace taverel::skin {

// Mouse and keyboard branches. TrackMouseMove runs after the caller's enter
// detection (MOUSEFLAG set, mouse-leave requested); TrackMouseLeave clears
// MOUSEFLAG itself. Kinds without a branch are ignored.
void TrackMouseMove(HWND window, ControlKind kind, WPARAM wparam, LPARAM lparam);
void TrackMouseLeave(HWND window, ControlKind kind);
void TrackLButtonDown(HWND window, ControlKind kind, LPARAM lparam);
void TrackLButtonDblClk(HWND window, ControlKind kind, LPARAM lparam);
void TrackLButtonUp(HWND window, ControlKind kind);
void TrackKeyDown(HWND window, ControlKind kind, WPARAM key);
void TrackKeyUp(HWND window, ControlKind kind, WPARAM key);
void TrackFocusChange(HWND window, ControlKind kind);

// Painters. `force` false: nothing is drawn when `state` equals OLDSTATE.
// A dc of nullptr makes the painter use (and release) the window's own DC.
int PaintCheckBox(HWND window, VisualState state, bool force);
int PaintOptionButton(HWND window, VisualState state, bool force);
int PaintComboButton(HWND window, HDC dc, VisualState state, bool force);
int PaintHeaderItem(HWND window, HDC dc, int index, VisualState state);

// WM_PAINT for every class that is not a push button, tested in the skin's
// class order; classes without a branch only reach their previous procedure.
LRESULT PaintOtherKinds(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// WM_NCPAINT for every class: progress frames, and the flat frame that
// replaces a sunken client edge.
LRESULT OnNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace taverel::skin
