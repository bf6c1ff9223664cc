// Check boxes and option buttons: the skin's square or circle at the left
// edge, its marks, and when the painters leave the window alone.
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/header.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/progress.h"
#include "skin/kinds/toggle.h"
#include "skin/properties.h"
#include "tests/skin_kinds/kinds_fixture.h"

#include <utility>

namespace taverel::testing {
namespace {

using skin::GlyphSheet;

class TogglePaintTest : public KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        cx_ = GetSystemMetrics(SM_CXMENUCHECK);
        cy_ = GetSystemMetrics(SM_CYMENUCHECK);
    }
    // A three-state check box (also used to give the option painter a check
    // state of 2, which a real option button cannot hold).
    HWND Box(int height, int check, DWORD extra = 0) {
        HWND box = CreateChild(L"BUTTON", BS_AUTO3STATE | extra, 10, 10, 120, height);
        SendMessageW(box, BM_SETCHECK, static_cast<WPARAM>(check), 0);
        UpdateWindow(box);
        return box;
    }
    int Top(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return skin::RoundHalfEven((rect.bottom - rect.top - cy_) / 2.0);
    }
    // Every non-key pixel of the sheet box (sx, sy, w, h) lands at (dx, dy).
    void ExpectGlyph(HWND window, int dx, int dy, int sx, int sy, int w, int h) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const COLORREF want = SheetPixel(GlyphSheet::CheckGlyph, sx + x, sy + y);
                if (want == skin::TransparentKey)
                    continue;
                ASSERT_EQ(WindowPixel(window, dx + x, dy + y), want) << x << "," << y;
            }
        }
    }
    int cx_ = 13;
    int cy_ = 13;
};

TEST_F(TogglePaintTest, CheckedBoxShowsFrameWhiteInsideAndMark) {
    HWND box = Box(17, BST_CHECKED);
    const int top = Top(box);
    EXPECT_EQ(skin::PaintCheckBox(box, skin::VisualState::Normal, true), 1);
    EXPECT_EQ(WindowPixel(box, 0, top), skin::BorderColour);
    EXPECT_EQ(WindowPixel(box, cx_ - 1, top + cy_ - 1), skin::BorderColour);
    EXPECT_EQ(WindowPixel(box, 1, top + 1), skin::White);
    const int mark_x = skin::RoundHalfEven((cx_ - 9) / 2.0);
    const int mark_y = skin::RoundHalfEven((cy_ - 8) / 2.0);
    ExpectGlyph(box, mark_x, top + mark_y, 0, 0, 9, 8);
    // The mark's key pixels show the white inside, not the sheet's magenta.
    EXPECT_EQ(WindowPixel(box, mark_x, top + mark_y), skin::White);
    EXPECT_EQ(skin::StoredState(box), skin::VisualState::Normal);
    if (cx_ == 13 && cy_ == 13) {
        EXPECT_EQ(WindowPixel(box, 2 + 8, top + 2), SheetPixel(GlyphSheet::CheckGlyph, 8, 0));
    }
}

TEST_F(TogglePaintTest, HoverAndPressedFillAndPressedFrame) {
    HWND box = Box(17, BST_UNCHECKED);
    const int top = Top(box);
    skin::PaintCheckBox(box, skin::VisualState::Hover, true);
    EXPECT_EQ(WindowPixel(box, 0, top), skin::BorderColour);
    // The hover band is cut from rows 17..21 of the sheet: its middle column
    // (x 6) runs F8EBC6..FBF1D4, none of them white.
    EXPECT_NE(WindowPixel(box, cx_ / 2, top + cy_ / 2), skin::White);
    EXPECT_EQ(WindowPixel(box, 1, top + 1), SheetPixel(GlyphSheet::OptionCircle, 1, 17));

    skin::PaintCheckBox(box, skin::VisualState::Pressed, true);
    EXPECT_EQ(WindowPixel(box, 0, top), skin::PressedBorderColour);
    EXPECT_EQ(WindowPixel(box, 1, top + 1), SheetPixel(GlyphSheet::OptionCircle, 1, 30));
    EXPECT_EQ(skin::StoredState(box), skin::VisualState::Pressed);
}

TEST_F(TogglePaintTest, IndeterminateBoxShowsSquareNotMark) {
    HWND box = Box(17, BST_INDETERMINATE);
    const int top = Top(box);
    skin::PaintCheckBox(box, skin::VisualState::Normal, true);
    const int sq_x = skin::RoundHalfEven((cx_ - 7) / 2.0);
    const int sq_y = skin::RoundHalfEven((cy_ - 7) / 2.0);
    ExpectGlyph(box, sq_x, top + sq_y, 1, 9, 7, 7);
    if (cx_ == 13 && cy_ == 13) {
        EXPECT_EQ(WindowPixel(box, 3, top + 3), SheetPixel(GlyphSheet::CheckGlyph, 1, 9));
        // Where the mark's tip would be, the inside stays white.
        EXPECT_EQ(WindowPixel(box, 2 + 8, top + 2), skin::White);
    }
}

TEST_F(TogglePaintTest, DisabledBoxIsPaleWithoutFillWhateverTheState) {
    HWND box = Box(17, BST_CHECKED);
    EnableWindow(box, FALSE);
    UpdateWindow(box);
    const int top = Top(box);
    for (skin::VisualState state :
         {skin::VisualState::Normal, skin::VisualState::Hover, skin::VisualState::Pressed}) {
        skin::PaintCheckBox(box, state, true);
        EXPECT_EQ(WindowPixel(box, 0, top), skin::DisabledBorderColour) << state;
        EXPECT_EQ(WindowPixel(box, 1, top + 1), skin::White) << state;
        ExpectGlyph(box, skin::RoundHalfEven((cx_ - 9) / 2.0),
                    top + skin::RoundHalfEven((cy_ - 8) / 2.0), 9, 0, 9, 8);
    }
}

TEST_F(TogglePaintTest, BoxIsCentredVerticallyHalvesToEven) {
    // H - cy = 5 puts the top at 2 (2.5 rounds down), 7 at 4 (3.5 rounds up).
    for (auto [extra, expected_top] : {std::pair{4, 2}, std::pair{5, 2}, std::pair{7, 4}}) {
        HWND box = Box(cy_ + extra, BST_UNCHECKED);
        FillWindowBox(box, 0, 0, cx_, cy_ + extra);
        skin::PaintCheckBox(box, skin::VisualState::Normal, true);
        EXPECT_EQ(WindowPixel(box, 0, expected_top), skin::BorderColour) << extra;
        EXPECT_EQ(WindowPixel(box, 0, expected_top - 1), Sentinel) << extra;
        EXPECT_EQ(WindowPixel(box, 0, expected_top + cy_ - 1), skin::BorderColour) << extra;
        EXPECT_EQ(WindowPixel(box, 0, expected_top + cy_), Sentinel) << extra;
        DestroyWindow(box);
    }
}

TEST_F(TogglePaintTest, SameStateWithoutForceDrawsNothing) {
    HWND box = Box(17, BST_CHECKED);
    skin::StoreState(box, skin::VisualState::Hover);
    FillWindowBox(box, 0, 0, cx_, 17);
    EXPECT_EQ(skin::PaintCheckBox(box, skin::VisualState::Hover, false), 0);
    EXPECT_EQ(WindowPixel(box, 1, 3), Sentinel);
    EXPECT_EQ(skin::PaintOptionButton(box, skin::VisualState::Hover, false), 0);
    EXPECT_EQ(WindowPixel(box, 6, 3), Sentinel);
    EXPECT_EQ(skin::PaintCheckBox(box, skin::VisualState::Hover, true), 1);
    EXPECT_NE(WindowPixel(box, 1, 3), Sentinel);
    // A different state draws without force, once.
    EXPECT_EQ(skin::PaintCheckBox(box, skin::VisualState::Normal, false), 1);
    EXPECT_EQ(skin::PaintCheckBox(box, skin::VisualState::Normal, false), 0);
}

TEST_F(TogglePaintTest, OptionCircleFollowsStateAndKeepsCornersOfTheControl) {
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 10, 120, 17);
    const int top = Top(option);
    const int sheet_row[] = {0, 13, 26};
    for (skin::VisualState state :
         {skin::VisualState::Normal, skin::VisualState::Hover, skin::VisualState::Pressed}) {
        FillWindowBox(option, 0, 0, cx_, 17);
        EXPECT_EQ(skin::PaintOptionButton(option, state, true), 1);
        if (cx_ == 13 && cy_ == 13) {
            EXPECT_EQ(WindowPixel(option, 6, top),
                      SheetPixel(GlyphSheet::OptionCircle, 6, sheet_row[skin::StateNumber(state)]))
                << state;
            EXPECT_EQ(
                WindowPixel(option, 6, top + 6),
                SheetPixel(GlyphSheet::OptionCircle, 6, sheet_row[skin::StateNumber(state)] + 6))
                << state;
        }
        // The circle's magenta corners leave what was there.
        EXPECT_EQ(WindowPixel(option, 0, top), Sentinel) << state;
        EXPECT_EQ(WindowPixel(option, cx_ - 1, top + cy_ - 1), Sentinel) << state;
    }
    // An enabled option button in an unknown state gets no circle.
    FillWindowBox(option, 0, 0, cx_, 17);
    skin::PaintOptionButton(option, static_cast<skin::VisualState>(7), true);
    EXPECT_EQ(WindowPixel(option, cx_ / 2, top + cy_ / 2), Sentinel);
}

TEST_F(TogglePaintTest, OptionDotOnlyForCheckStateOne) {
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 10, 120, 20);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    const int top = Top(option);
    skin::PaintOptionButton(option, skin::VisualState::Normal, true);
    const int dot_x = skin::RoundHalfEven((cx_ - 5) / 2.0);
    const int dot_y = skin::RoundHalfEven((cy_ - 5) / 2.0 + top);
    ExpectGlyph(option, dot_x, dot_y, 2, 18, 5, 5);
    if (cx_ == 13 && cy_ == 13) {
        EXPECT_EQ(WindowPixel(option, 4 + 2, top + 4 + 2),
                  SheetPixel(GlyphSheet::CheckGlyph, 4, 20));
    }

    // Check state 2 (a three-state box lends its state) shows the circle only.
    DestroyWindow(option);
    HWND third = Box(20, BST_INDETERMINATE);
    skin::PaintOptionButton(third, skin::VisualState::Normal, true);
    if (cx_ == 13 && cy_ == 13) {
        EXPECT_EQ(WindowPixel(third, 6, top + 6), SheetPixel(GlyphSheet::OptionCircle, 6, 6));
    }
}

TEST_F(TogglePaintTest, DisabledOptionShowsPaleCircleAndDot) {
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 10, 120, 17);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(option, FALSE);
    UpdateWindow(option);
    const int top = Top(option);
    skin::PaintOptionButton(option, skin::VisualState::Pressed, true);
    if (cx_ == 13 && cy_ == 13) {
        EXPECT_EQ(WindowPixel(option, 6, top), SheetPixel(GlyphSheet::OptionCircle, 6, 39));
        EXPECT_EQ(WindowPixel(option, 6, top + 6), SheetPixel(GlyphSheet::CheckGlyph, 13, 20));
    }
}

TEST_F(TogglePaintTest, PaintBranchPaintsNormalWithForce) {
    // The paint handler knows check boxes by class name.
    HWND box = CreateChild(Superclass(L"BUTTON", platform::kCheckBoxClassName), BS_AUTO3STATE, 10,
                           10, 120, 17);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    RouteSkinPaint(box);
    skin::StoreState(box, skin::VisualState::Pressed);
    Repaint(box);
    const int top = Top(box);
    EXPECT_EQ(WindowPixel(box, 0, top), skin::BorderColour);
    EXPECT_EQ(skin::StoredState(box), skin::VisualState::Normal);
}

}  // namespace
}  // namespace taverel::testing
