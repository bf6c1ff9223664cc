// Placeholder until the painters of these kinds land: every branch does
// nothing and the paint handlers only reach the previous procedure.
#include "skin/other_kinds.h"

namespace taverel::skin {

void TrackMouseMove(HWND, ControlKind, WPARAM, LPARAM) {}
void TrackMouseLeave(HWND, ControlKind) {}
void TrackLButtonDown(HWND, ControlKind, LPARAM) {}
void TrackLButtonDblClk(HWND, ControlKind, LPARAM) {}
void TrackLButtonUp(HWND, ControlKind) {}
void TrackKeyDown(HWND, ControlKind, WPARAM) {}
void TrackKeyUp(HWND, ControlKind, WPARAM) {}
void TrackFocusChange(HWND, ControlKind) {}

int PaintCheckBox(HWND, int, bool) {
    return 0;
}
int PaintOptionButton(HWND, int, bool) {
    return 0;
}
int PaintComboButton(HWND, HDC, int, bool) {
    return 0;
}
int PaintHeaderItem(HWND, HDC, int, int) {
    return 0;
}

LRESULT PaintOtherKinds(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

LRESULT OnNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

}  // namespace taverel::skin
