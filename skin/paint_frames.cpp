// Progress bars (drawn whole by the skin), the frames of list-like controls
// and grids, and the flat frame that replaces a sunken client edge.
#include "platform/handles.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/primitives.h"
#include "skin/other_kinds_parts.h"

#include <commctrl.h>

namespace taverel::skin {

namespace {

// The skin's progress bars run over 0..30000; the control's own range is not
// asked for.
constexpr double kProgressScale = 30000.0;

COLORREF FrameColour(HWND window) {
    return IsWindowEnabled(window) ? BorderColour : DisabledBorderColour;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

int Scaled(float fraction, int length) {
    return RoundHalfEven(static_cast<double>(fraction) * length);
}

}  // namespace

float ProgressFraction(HWND window) {
    const auto position = static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0));
    return static_cast<float>(position / kProgressScale);
}

LRESULT PaintListFrameBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    platform::WindowDc dc = platform::WindowDc::Whole(window);
    PaintListBorder(dc.get(), bounds.Width, bounds.Height, IsWindowEnabled(window) != FALSE);
    return result;
}

LRESULT PaintGridFrameBranch(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_BORDER) {
        WindowBounds bounds;
        GetWindowBounds(window, &bounds);
        platform::WindowDc dc = platform::WindowDc::Whole(window);
        FrameSolidRect(dc.get(), 0, 0, bounds.Width, bounds.Height, FrameColour(window));
    }
    return result;
}

LRESULT PaintProgressBarBranch(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const SIZE client = ClientSize(window);
    MemoryCanvas canvas = CreateMemoryCanvas(client.cx, client.cy);
    const float fraction = ProgressFraction(window);
    HDC dc = canvas.dc();
    FillSolidRect(dc, 0, 0, client.cx, client.cy, White);
    if (fraction != 0.0f) {
        if (style & PBS_VERTICAL) {
            // Grows from the bottom; top and height are rounded separately.
            FillSolidRect(dc, 0,
                          RoundHalfEven(client.cy - static_cast<double>(fraction) * client.cy),
                          client.cx, Scaled(fraction, client.cy), ProgressFillColour);
        } else {
            FillSolidRect(dc, 0, 0, Scaled(fraction, client.cx), client.cy, ProgressFillColour);
        }
    }
    platform::PaintDc paint(window);
    BitBlt(paint.get(), 0, 0, client.cx, client.cy, dc, 0, 0, SRCCOPY);
    return 0;
}

LRESULT PaintProgressFrame(HWND window) {
    int border_x = 0;
    int border_y = 0;
    GetBorderSize(window, &border_x, &border_y);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const SIZE client = ClientSize(window);
    MemoryCanvas canvas = CreateMemoryCanvas(bounds.Width, bounds.Height);
    const float fraction = ProgressFraction(window);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    HDC dc = canvas.dc();

    // The frame stays in the enabled blue even on a disabled bar.
    FillSolidRect(dc, 0, 0, bounds.Width, bounds.Height, BorderColour);
    FillSolidRect(dc, 1, 1, bounds.Width - 2, bounds.Height - 2, White);
    if (fraction != 0.0f) {
        if (style & PBS_VERTICAL) {
            // Without PBS_SMOOTH a vertical bar gets its fill only from the
            // WM_PAINT pass.
            if (style & PBS_SMOOTH)
                FillSolidRect(dc, border_x, border_y, client.cx, client.cy, ProgressFillColour);
            FillSolidRect(dc, border_x, border_y, client.cx,
                          RoundHalfEven(client.cy - static_cast<double>(fraction) * client.cy),
                          White);
        } else {
            FillSolidRect(dc, border_x, border_y, Scaled(fraction, client.cx), client.cy,
                          ProgressFillColour);
        }
    }
    platform::WindowDc target = platform::WindowDc::Whole(window);
    BitBlt(target.get(), 0, 0, bounds.Width, bounds.Height, dc, 0, 0, SRCCOPY);
    return 0;
}

LRESULT PaintClientEdgeFrame(WNDPROC previous, HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
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

}  // namespace taverel::skin
