// The flat borders the skin draws: around list-like controls and grids, and
// in place of a sunken client edge on every other window; and the kinds that
// have nothing of the skin's but such a border: data lists, combo boxes'
// lists, grids and all others.
#include "platform/handles.h"
#include "platform/window_procedure.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/primitives.h"
#include "skin/kinds/kind_parts.h"
#include "skin/kinds/kind_table.h"

namespace taverel::skin {

namespace {

LRESULT PaintListFrameBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    platform::WindowDc dc = platform::WindowDc::Whole(window);
    PaintListBorder(dc.get(), bounds.Width, bounds.Height, IsWindowEnabled(window) != FALSE);
    return result;
}

LRESULT PaintGridFrameBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_BORDER) {
        WindowBounds bounds;
        GetWindowBounds(window, &bounds);
        platform::WindowDc dc = platform::WindowDc::Whole(window);
        FrameSolidRect(dc.get(), 0, 0, bounds.Width, bounds.Height, FrameColour(window));
    }
    return result;
}

}  // namespace

LRESULT PaintClientEdgeFrame(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = platform::ForwardMessage(previous, window, message, wparam, lparam);
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
        return result;
    int border_x = 0;
    int border_y = 0;
    GetBorderSize(window, &border_x, &border_y);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    // Declared in this order so the client DC is released before the window DC.
    platform::WindowDc whole = platform::WindowDc::Whole(window);
    platform::WindowDc client = platform::WindowDc::Client(window);
    FrameSolidRect(whole.get(), 0, 0, bounds.Width, bounds.Height, FrameColour(window));
    // The inner rings keep their right and bottom edges on column W - 2 and
    // row H - 2 while the left and top step inward; with the usual two-pixel
    // edge the second ring covers the client's first column and row.
    for (int d = 1; d <= border_x; ++d) {
        FrameSolidRect(whole.get(), d, d, bounds.Width - 1 - d, bounds.Height - 1 - d,
                       GetBkColor(client.get()));
    }
    return result;
}

KindEntryPoints DataListKind() {
    KindEntryPoints k;
    k.paint = PaintListFrameBranch;
    k.nc_paint = ForwardOnly;
    return k;
}

KindEntryPoints DropDownListKind() {
    KindEntryPoints k;
    k.paint = PaintListFrameBranch;
    return k;
}

KindEntryPoints GridKind() {
    KindEntryPoints k;
    k.paint = PaintGridFrameBranch;
    return k;
}

KindEntryPoints OtherKind() {
    return KindEntryPoints();
}

}  // namespace taverel::skin
