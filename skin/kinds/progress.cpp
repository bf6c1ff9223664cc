// Progress bars are drawn whole by the skin, client area and frame, from
// the position alone.
#include "skin/kinds/progress.h"

#include "platform/handles.h"
#include "skin/draw/scratch_surfaces.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/primitives.h"
#include "skin/kinds/kind_table.h"

#include <commctrl.h>

namespace taverel::skin {

namespace {

// The skin's progress bars run over 0..30000; the control's own range is not
// asked for.
constexpr double kProgressScale = 30000.0;

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

namespace {

LRESULT PaintBar(WNDPROC, HWND window, UINT, WPARAM, LPARAM) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const SIZE client = ClientSize(window);
    const ScratchSurface canvas(ScratchUse::Compose, client.cx, client.cy);
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

LRESULT PaintFrame(WNDPROC, HWND window, UINT, WPARAM, LPARAM) {
    int border_x = 0;
    int border_y = 0;
    GetBorderSize(window, &border_x, &border_y);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const SIZE client = ClientSize(window);
    const ScratchSurface canvas(ScratchUse::Compose, bounds.Width, bounds.Height);
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

}  // namespace

KindEntryPoints ProgressBarKind() {
    KindEntryPoints k;
    k.paint = PaintBar;
    k.nc_paint = PaintFrame;
    return k;
}

}  // namespace taverel::skin
