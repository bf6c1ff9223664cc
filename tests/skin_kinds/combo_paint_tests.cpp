// Combo boxes and drive lists: the two-pixel frame, the drop-down button and
// its arrow, the editable combo's own client area.
#include "platform/handles.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/header.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/progress.h"
#include "skin/kinds/toggle.h"
#include "skin/kinds/kind_parts.h"
#include "skin/properties.h"
#include "tests/skin_kinds/kinds_fixture.h"

namespace taverel::testing {
namespace {

using skin::GlyphSheet;

constexpr COLORREF kArrow = 0x005F5519;          // enabled arrow, sheet letter D
constexpr COLORREF kDisabledArrow = 0x00ACA584;  // disabled arrow, sheet letter X

class ComboPaintTest : public KindsTest {
protected:
    // A stand-in with a combo box's style bits: the painter only looks at the
    // style, the window size and CB_GETDROPPEDSTATE (0 from DefWindowProc).
    HWND StandIn(DWORD combo_style, int width, int height) {
        return CreateChild(PlainClass(L"TaverelComboStandIn"), combo_style, 20, 20, width, height);
    }
    int ButtonWidth() const { return GetSystemMetrics(SM_CXVSCROLL) + 1; }
};

TEST_F(ComboPaintTest, ButtonIsScrollBarWidthPlusOneWithCentredArrow) {
    const int width = 120;
    const int height = 21;
    HWND combo = StandIn(CBS_DROPDOWNLIST, width, height);
    FillWindowBox(combo, 0, 0, width, height);
    EXPECT_EQ(skin::PaintComboButton(combo, nullptr, skin::VisualState::Normal, true), 1);
    const int b = ButtonWidth();
    const int left = width - b - 1;
    // The button covers (W - B - 1, 1, B, H - 2) and nothing else.
    EXPECT_EQ(WindowPixel(combo, left, 1), skin::White);
    EXPECT_EQ(WindowPixel(combo, left - 1, 1), Sentinel);
    EXPECT_EQ(WindowPixel(combo, width - 2, height - 2), skin::White);
    EXPECT_EQ(WindowPixel(combo, width - 1, 1), Sentinel);
    EXPECT_EQ(WindowPixel(combo, left, 0), Sentinel);
    EXPECT_EQ(WindowPixel(combo, left, height - 1), Sentinel);

    const int arrow_x = left + skin::RoundHalfEven((b - 7) / 2.0);
    const int arrow_y = 1 + skin::RoundHalfEven((height - 6) / 2.0);
    // 21 high: (21 - 6) / 2 = 7.5 rounds to 8, so the arrow's top row is y 9.
    EXPECT_EQ(arrow_y, 9);
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(WindowPixel(combo, arrow_x + x, arrow_y), kArrow) << x;
    EXPECT_EQ(WindowPixel(combo, arrow_x - 1, arrow_y), skin::White);
    EXPECT_EQ(WindowPixel(combo, arrow_x + 7, arrow_y), skin::White);
    EXPECT_EQ(WindowPixel(combo, arrow_x + 3, arrow_y + 3), kArrow);
    EXPECT_EQ(WindowPixel(combo, arrow_x + 2, arrow_y + 3), skin::White);
    EXPECT_EQ(WindowPixel(combo, arrow_x + 3, arrow_y - 1), skin::White);
    if (b == 18) {
        EXPECT_EQ(arrow_x - left, 6);  // (18 - 7) / 2 = 5.5 rounds to 6
    }
}

TEST_F(ComboPaintTest, HoverAndPressedFacesComeFromTheirStrips) {
    // 20 high: the 18-row strip fits the button without vertical scaling.
    HWND combo = StandIn(CBS_DROPDOWNLIST, 120, 20);
    const int left = 120 - ButtonWidth() - 1;
    skin::PaintComboButton(combo, nullptr, skin::VisualState::Hover, true);
    // Corners are unscaled: (0,0) of the strip lands on the button's corner.
    EXPECT_EQ(WindowPixel(combo, left, 1), SheetPixel(GlyphSheet::DropButton, 0, 0));
    EXPECT_EQ(WindowPixel(combo, left + 1, 8), SheetPixel(GlyphSheet::DropButton, 1, 7));
    skin::PaintComboButton(combo, nullptr, skin::VisualState::Pressed, true);
    EXPECT_EQ(WindowPixel(combo, left + 1, 8), SheetPixel(GlyphSheet::DropButton, 5, 7));
    EXPECT_EQ(skin::StoredState(combo), skin::VisualState::Pressed);
}

TEST_F(ComboPaintTest, DisabledComboHasGreyArrowAndPaleFrame) {
    const int width = 120;
    const int height = 21;
    HWND combo = StandIn(CBS_DROPDOWNLIST, width, height);
    EnableWindow(combo, FALSE);
    skin::PaintComboButton(combo, nullptr, skin::VisualState::Hover, true);
    const int left = width - ButtonWidth() - 1;
    const int arrow_x = left + skin::RoundHalfEven((ButtonWidth() - 7) / 2.0);
    EXPECT_EQ(WindowPixel(combo, arrow_x, 9), kDisabledArrow);
    // The face still follows the state.
    EXPECT_EQ(WindowPixel(combo, left, 1), SheetPixel(GlyphSheet::DropButton, 0, 0));

    platform::WindowDc dc = platform::WindowDc::Whole(combo);
    skin::PaintListBorder(dc.get(), width, height, false);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), skin::DisabledBorderColour);
    EXPECT_EQ(GetPixel(dc.get(), 1, 1), skin::White);
    EXPECT_EQ(GetPixel(dc.get(), width - 2, height - 2), skin::White);
}

TEST_F(ComboPaintTest, SimpleComboHasNoButton) {
    HWND combo = StandIn(CBS_SIMPLE, 120, 60);
    FillWindowBox(combo, 0, 0, 120, 60);
    EXPECT_EQ(skin::PaintComboButton(combo, nullptr, skin::VisualState::Hover, true), 0);
    EXPECT_EQ(WindowPixel(combo, 110, 10), Sentinel);
    EXPECT_EQ(skin::GetSkinProp(combo, skin::prop::OldState), 0);
}

TEST_F(ComboPaintTest, GivenDcIsUsedInsteadOfTheWindows) {
    HWND combo = StandIn(CBS_DROPDOWNLIST, 120, 21);
    FillWindowBox(combo, 0, 0, 120, 21);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 21);
    HGDIOBJ old = SelectObject(memory, bitmap);
    skin::PaintComboButton(combo, memory, skin::VisualState::Normal, true);
    EXPECT_EQ(GetPixel(memory, 120 - ButtonWidth() - 1, 1), skin::White);
    EXPECT_EQ(WindowPixel(combo, 120 - ButtonWidth() - 1, 1), Sentinel);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(ComboPaintTest, EditableComboIsPaintedWholeBySkin) {
    HWND combo = CreateChild(L"COMBOBOX", CBS_DROPDOWN, 20, 20, 150, 200);
    RouteSkinPaint(combo);
    Repaint(combo);
    RECT rect{};
    GetWindowRect(combo, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    EXPECT_EQ(WindowPixel(combo, 0, 0), skin::BorderColour);
    EXPECT_EQ(WindowPixel(combo, width - 1, height - 1), skin::BorderColour);
    // Inside the frame the client is white where the platform would draw its
    // sunken edge.
    EXPECT_EQ(WindowPixel(combo, 1, 1), skin::White);
    EXPECT_EQ(WindowPixel(combo, 1, height - 2), skin::White);
    const int left = width - ButtonWidth() - 1;
    EXPECT_EQ(WindowPixel(combo, left, 1), skin::White);
    EXPECT_EQ(WindowPixel(combo, left + skin::RoundHalfEven((ButtonWidth() - 7) / 2.0),
                          1 + skin::RoundHalfEven((height - 6) / 2.0)),
              kArrow);

    EnableWindow(combo, FALSE);
    Repaint(combo);
    EXPECT_EQ(WindowPixel(combo, 0, 0), skin::DisabledBorderColour);

    // A drop-down list and a simple combo paint themselves first; the skin
    // then lays its two-pixel frame over them, and its button where there is one.
    for (DWORD style : {DWORD(CBS_DROPDOWNLIST), DWORD(CBS_SIMPLE)}) {
        HWND other = CreateChild(L"COMBOBOX", style, 200, 20, 150, 100);
        RouteSkinPaint(other);
        Repaint(other);
        GetWindowRect(other, &rect);
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        EXPECT_EQ(WindowPixel(other, 0, 0), skin::BorderColour) << style;
        EXPECT_EQ(WindowPixel(other, 1, 1), skin::White) << style;
        EXPECT_EQ(WindowPixel(other, w - 2, h - 2), skin::White) << style;
        const COLORREF arrow = WindowPixel(
            other, w - ButtonWidth() - 1 + skin::RoundHalfEven((ButtonWidth() - 7) / 2.0),
            1 + skin::RoundHalfEven((h - 6) / 2.0));
        EXPECT_EQ(arrow == kArrow, style == CBS_DROPDOWNLIST) << style;
    }
}

TEST_F(ComboPaintTest, DroppedListShowsPressedWhateverIsAsked) {
    HWND combo = CreateChild(L"COMBOBOX", CBS_DROPDOWNLIST, 20, 20, 150, 200);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    RECT rect{};
    GetWindowRect(combo, &rect);
    const int left = rect.right - rect.left - ButtonWidth() - 1;
    EXPECT_EQ(skin::PaintComboButton(combo, nullptr, skin::VisualState::Normal, false), 1);
    EXPECT_EQ(skin::StoredState(combo), skin::VisualState::Pressed);
    EXPECT_EQ(WindowPixel(combo, left, 1), SheetPixel(GlyphSheet::DropButton, 4, 0));
    // Asked again for Normal: already Pressed, so nothing more is drawn.
    EXPECT_EQ(skin::PaintComboButton(combo, nullptr, skin::VisualState::Normal, false), 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ComboPaintTest, DriveListGetsFrameAndButtonOverItsOwnPainting) {
    // A drive list is a drop-down list of a class the skin knows by name.
    Superclass(L"COMBOBOX", platform::kDriveListClassName);
    HWND drives = CreateChild(platform::kDriveListClassName, CBS_DROPDOWNLIST, 20, 20, 150, 200);
    RouteSkinPaint(drives);
    skin::StoreState(drives, skin::VisualState::Hover);
    Repaint(drives);
    RECT rect{};
    GetWindowRect(drives, &rect);
    const int width = rect.right - rect.left;
    EXPECT_EQ(WindowPixel(drives, 0, 0), skin::BorderColour);
    EXPECT_EQ(WindowPixel(drives, 1, 1), skin::White);
    // WM_PAINT repaints the button in the state last recorded.
    EXPECT_EQ(WindowPixel(drives, width - ButtonWidth() - 1, 1),
              SheetPixel(GlyphSheet::DropButton, 0, 0));
}

}  // namespace
}  // namespace taverel::testing
