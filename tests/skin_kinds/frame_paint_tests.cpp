// Progress bars, list frames, grid frames and the flat client-edge frame.
#include "skin/draw/colours.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/header.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/progress.h"
#include "skin/kinds/toggle.h"
#include "tests/skin_kinds/kinds_fixture.h"

#include <commctrl.h>

namespace taverel::testing {
namespace {

// A superclass of the platform's progress bar under the name the skin
// knows, running over 0..30000 as the skin's position scale expects.
const wchar_t* ProgressClass() {
    return Superclass(PROGRESS_CLASSW, platform::kProgressBarClassName);
}

class FramePaintTest : public KindsTest {
protected:
    HWND Progress(DWORD style, int width, int height, int position, int x = 10) {
        HWND bar = CreateChild(ProgressClass(), style, x, 10, width, height);
        SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        RouteSkinPaint(bar);
        Repaint(bar);
        return bar;
    }
    // Number of fill-coloured pixels on a row of the client area.
    static int FilledInRow(HWND bar, int y, int width) {
        return CountPixels(bar, {0, y, width, y + 1}, skin::ProgressFillColour);
    }
};

TEST_F(FramePaintTest, ProgressAtZeroShowsWhiteTroughInBothPasses) {
    HWND bar = Progress(0, 150, 15, 0);
    EXPECT_EQ(skin::ProgressFraction(bar), 0.0f);
    EXPECT_EQ(FilledInRow(bar, 7, 150), 0);
    EXPECT_EQ(ClientPixel(bar, 0, 0), skin::White);
    EXPECT_EQ(ClientPixel(bar, 149, 14), skin::White);
}

TEST_F(FramePaintTest, HorizontalBarFillsFromTheLeftByPositionOverThirtyThousand) {
    HWND bar = Progress(0, 150, 15, 15000);
    EXPECT_EQ(FilledInRow(bar, 7, 150), 75);
    EXPECT_EQ(ClientPixel(bar, 74, 0), skin::ProgressFillColour);
    EXPECT_EQ(ClientPixel(bar, 75, 0), skin::White);
    SendMessageW(bar, PBM_SETPOS, 30000, 0);
    Repaint(bar);
    EXPECT_EQ(FilledInRow(bar, 7, 150), 150);
}

TEST_F(FramePaintTest, VerticalBarRoundsTopAndHeightSeparately) {
    // 15 high at half scale: both 7.5s round to 8, so rows 8..14 fill (the
    // box's last row falls outside).
    HWND bar = Progress(PBS_VERTICAL, 20, 15, 15000);
    EXPECT_EQ(ClientPixel(bar, 5, 7), skin::White);
    EXPECT_EQ(ClientPixel(bar, 5, 8), skin::ProgressFillColour);
    EXPECT_EQ(ClientPixel(bar, 5, 14), skin::ProgressFillColour);
}

TEST_F(FramePaintTest, ProgressFrameIsBlueEvenWhenDisabled) {
    HWND bar = Progress(WS_BORDER, 152, 17, 15000);
    EnableWindow(bar, FALSE);
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(bar, L"TestPreviousProc"));
    EXPECT_EQ(skin::EntryPointsOf(bar).nc_paint(previous, bar, WM_NCPAINT, 1, 0), 0);
    EXPECT_EQ(WindowPixel(bar, 0, 0), skin::BorderColour);
    EXPECT_EQ(WindowPixel(bar, 151, 16), skin::BorderColour);
    // Border 1: the fill starts at (1, 1) and is 75 wide.
    EXPECT_EQ(WindowPixel(bar, 1, 1), skin::ProgressFillColour);
    EXPECT_EQ(WindowPixel(bar, 75, 8), skin::ProgressFillColour);
    EXPECT_EQ(WindowPixel(bar, 76, 8), skin::White);
}

TEST_F(FramePaintTest, VerticalFramePassFillsOnlyWhenSmooth) {
    HWND plain = Progress(WS_BORDER | PBS_VERTICAL, 22, 17, 15000);
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(plain, L"TestPreviousProc"));
    skin::EntryPointsOf(plain).nc_paint(previous, plain, WM_NCPAINT, 1, 0);
    EXPECT_EQ(WindowPixel(plain, 10, 14), skin::White);

    HWND smooth = Progress(WS_BORDER | PBS_VERTICAL | PBS_SMOOTH, 22, 17, 15000, 60);
    skin::EntryPointsOf(smooth).nc_paint(previous, smooth, WM_NCPAINT, 1, 0);
    // Client 20 x 15 at (1, 1): white down to row 1 + 8, fill below.
    EXPECT_EQ(WindowPixel(smooth, 10, 8), skin::White);
    EXPECT_EQ(WindowPixel(smooth, 10, 9), skin::ProgressFillColour);
    EXPECT_EQ(WindowPixel(smooth, 10, 15), skin::ProgressFillColour);
}

TEST_F(FramePaintTest, ClientEdgeBecomesFlatFrameWithBackgroundRing) {
    HWND edit = CreateChild(L"EDIT", ES_AUTOHSCROLL, 10, 10, 120, 24, WS_EX_CLIENTEDGE, L"text");
    RouteSkinPaint(edit);
    Repaint(edit);
    EXPECT_EQ(WindowPixel(edit, 0, 0), skin::BorderColour);
    EXPECT_EQ(WindowPixel(edit, 119, 23), skin::BorderColour);
    // The ring inside is the client DC's background colour (white), where the
    // platform drew its dark sunken shadow.
    EXPECT_EQ(WindowPixel(edit, 1, 1), skin::White);
    EXPECT_EQ(WindowPixel(edit, 118, 1), skin::White);
    EXPECT_EQ(WindowPixel(edit, 1, 22), skin::White);
    EXPECT_EQ(WindowPixel(edit, 2, 2), skin::White);

    EnableWindow(edit, FALSE);
    Repaint(edit);
    EXPECT_EQ(WindowPixel(edit, 0, 0), skin::DisabledBorderColour);

    // The rings take the colour the client DC holds, not white: a class with
    // its own DC keeps the background colour set on it.
    constexpr COLORREF kBackground = 0x00336699;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TaverelOwnDcEdge";
    RegisterClassExW(&wc);
    HWND own = CreateChild(wc.lpszClassName, 0, 200, 10, 60, 30, WS_EX_CLIENTEDGE);
    HDC own_dc = GetDC(own);
    SetBkColor(own_dc, kBackground);
    ReleaseDC(own, own_dc);
    RouteSkinPaint(own);
    Repaint(own);
    EXPECT_EQ(WindowPixel(own, 0, 0), skin::BorderColour);
    EXPECT_EQ(WindowPixel(own, 1, 1), kBackground);
    EXPECT_EQ(WindowPixel(own, 58, 28), kBackground);
    EXPECT_EQ(WindowPixel(own, 2, 2), kBackground);
}

TEST_F(FramePaintTest, NoClientEdgeNoFrame) {
    HWND edit = CreateChild(L"EDIT", WS_BORDER, 10, 10, 120, 24, 0, L"text");
    RouteSkinPaint(edit);
    Repaint(edit);
    EXPECT_NE(WindowPixel(edit, 0, 0), skin::BorderColour);
}

TEST_F(FramePaintTest, GridIsFramedOnlyWithBorderStyle) {
    const wchar_t* grid_class = PlainClass(L"ApexGrid.Unicode");
    HWND bordered = CreateChild(grid_class, WS_BORDER, 10, 10, 100, 60);
    HWND bare = CreateChild(grid_class, 0, 200, 10, 100, 60);
    RouteSkinPaint(bordered);
    RouteSkinPaint(bare);
    Repaint(bordered);
    Repaint(bare);
    EXPECT_EQ(WindowPixel(bordered, 0, 0), skin::BorderColour);
    EXPECT_EQ(WindowPixel(bordered, 99, 59), skin::BorderColour);
    EXPECT_NE(WindowPixel(bare, 0, 0), skin::BorderColour);
    EXPECT_NE(WindowPixel(bare, 0, 0), skin::DisabledBorderColour);
    EnableWindow(bordered, FALSE);
    Repaint(bordered);
    EXPECT_EQ(WindowPixel(bordered, 0, 0), skin::DisabledBorderColour);
}

TEST_F(FramePaintTest, DataListKeepsSystemFrameAndGetsListFrameOnPaint) {
    Superclass(L"LISTBOX", platform::kDataListClassName);
    HWND list =
        CreateChild(platform::kDataListClassName, WS_VSCROLL, 10, 10, 120, 80, WS_EX_CLIENTEDGE);
    RouteSkinPaint(list);
    Repaint(list);
    EXPECT_EQ(WindowPixel(list, 0, 0), skin::BorderColour);
    RECT rect{};
    GetWindowRect(list, &rect);  // the list trims itself to whole items
    EXPECT_EQ(WindowPixel(list, 1, 1), skin::White);
    EXPECT_EQ(WindowPixel(list, rect.right - rect.left - 2, rect.bottom - rect.top - 2),
              skin::White);
    EXPECT_EQ(WindowPixel(list, rect.right - rect.left - 1, rect.bottom - rect.top - 1),
              skin::BorderColour);
}

}  // namespace
}  // namespace taverel::testing
