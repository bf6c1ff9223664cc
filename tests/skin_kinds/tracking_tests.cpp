// The mouse, keyboard and focus branches of the non-push-button kinds, fed
// the messages' parameters directly as the engine's handlers would.
#include "skin/draw/colours.h"
#include "skin/other_kinds.h"
#include "skin/other_kinds_parts.h"
#include "skin/properties.h"
#include "tests/skin_kinds/kinds_fixture.h"

#include <commctrl.h>

namespace taverel::testing {
namespace {

using skin::ControlKind;
using skin::GlyphSheet;

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

skin::VisualState OldState(HWND window) {
    return skin::StoredState(window);
}

class TrackingTest : public KindsTest {};

TEST_F(TrackingTest, EditableComboZoneBoundsAreInclusive) {
    const int width = 150;
    const int height = 22;
    HWND combo =
        CreateChild(PlainClass(L"TaverelComboStandIn"), CBS_DROPDOWN, 10, 10, width, height);
    const int c = GetSystemMetrics(SM_CXVSCROLL);
    struct Move {
        int x;
        skin::VisualState state;
    };
    // At y 5: W - c - 3 Normal; W - c - 2 and W - 2 Hover; W - 1 Normal.
    for (const Move& move :
         {Move{width - c - 3, skin::VisualState::Normal},
          Move{width - c - 2, skin::VisualState::Hover}, Move{width - 2, skin::VisualState::Hover},
          Move{width - 1, skin::VisualState::Normal}}) {
        skin::TrackMouseMove(combo, ControlKind::ComboBox, 0, Point(move.x, 5));
        EXPECT_EQ(OldState(combo), move.state) << move.x;
    }
    skin::TrackLButtonDown(combo, ControlKind::ComboBox, Point(width - 5, 1));
    EXPECT_EQ(OldState(combo), skin::VisualState::Normal);
    skin::TrackLButtonDown(combo, ControlKind::ComboBox, Point(width - 5, 2));
    EXPECT_EQ(OldState(combo), skin::VisualState::Pressed);
    EXPECT_FALSE(skin::InComboDropZone(combo, width - 5, height - 1));
    EXPECT_TRUE(skin::InComboDropZone(combo, width - 5, height - 2));
    // Moving with the button held over the zone asks for Pressed.
    skin::TrackMouseMove(combo, ControlKind::ComboBox, MK_LBUTTON, Point(width - 5, 5));
    EXPECT_EQ(OldState(combo), skin::VisualState::Pressed);
}

TEST_F(TrackingTest, DropDownListComboCountsAsAWhole) {
    HWND combo = CreateChild(PlainClass(L"TaverelComboStandIn"), CBS_DROPDOWNLIST, 10, 10, 150, 22);
    skin::TrackMouseMove(combo, ControlKind::ComboBox, 0, Point(3, 3));
    EXPECT_EQ(OldState(combo), skin::VisualState::Hover);
    skin::TrackMouseLeave(combo, ControlKind::ComboBox);
    EXPECT_EQ(OldState(combo), skin::VisualState::Normal);
    skin::TrackLButtonDown(combo, ControlKind::ComboBox, Point(3, 3));
    EXPECT_EQ(OldState(combo), skin::VisualState::Pressed);
    // Released with the pointer away from the combo box: Normal.
    SetCursorPos(600, 380);
    skin::TrackLButtonUp(combo, ControlKind::ComboBox);
    EXPECT_EQ(OldState(combo), skin::VisualState::Normal);
    // Released over it: Hover.
    skin::TrackLButtonDown(combo, ControlKind::ComboBox, Point(3, 3));
    SetCursorPos(10 + 20, 10 + 10);
    skin::TrackLButtonUp(combo, ControlKind::ComboBox);
    EXPECT_EQ(OldState(combo), skin::VisualState::Hover);
}

TEST_F(TrackingTest, DriveListFollowsTheButtonFlag) {
    HWND drives =
        CreateChild(PlainClass(L"TaverelComboStandIn"), CBS_DROPDOWNLIST, 10, 10, 150, 22);
    skin::TrackMouseMove(drives, ControlKind::DriveList, 0, Point(3, 3));
    EXPECT_EQ(OldState(drives), skin::VisualState::Hover);
    skin::TrackMouseMove(drives, ControlKind::DriveList, MK_LBUTTON, Point(3, 3));
    EXPECT_EQ(OldState(drives), skin::VisualState::Pressed);
    skin::SetSkinProp(drives, skin::prop::MouseFlag, 1);
    skin::TrackMouseLeave(drives, ControlKind::DriveList);
    EXPECT_EQ(OldState(drives), skin::VisualState::Normal);
    EXPECT_EQ(skin::GetSkinProp(drives, skin::prop::MouseFlag), 0);
    // Anywhere on a drive list a press shows Pressed; the release shows
    // Hover over it and Normal away from it.
    skin::TrackLButtonDown(drives, ControlKind::DriveList, Point(3, 3));
    EXPECT_EQ(OldState(drives), skin::VisualState::Pressed);
    SetCursorPos(10 + 20, 10 + 10);
    skin::TrackLButtonUp(drives, ControlKind::DriveList);
    EXPECT_EQ(OldState(drives), skin::VisualState::Hover);
    skin::TrackLButtonDown(drives, ControlKind::DriveList, Point(3, 3));
    SetCursorPos(600, 380);
    skin::TrackLButtonUp(drives, ControlKind::DriveList);
    EXPECT_EQ(OldState(drives), skin::VisualState::Normal);
}

TEST_F(TrackingTest, CheckBoxRedrawsOnEveryMoveButNotOnDoubleClick) {
    HWND box = CreateChild(L"BUTTON", BS_AUTOCHECKBOX, 10, 10, 120, 17);
    const int cy = GetSystemMetrics(SM_CYMENUCHECK);
    skin::TrackMouseMove(box, ControlKind::CheckBox, 0, Point(3, 3));
    EXPECT_EQ(OldState(box), skin::VisualState::Hover);
    FillWindowBox(box, 0, 0, 20, 17);
    skin::TrackMouseMove(box, ControlKind::CheckBox, 0, Point(4, 3));
    EXPECT_EQ(WindowPixel(box, 0, 8), skin::BorderColour);

    skin::TrackMouseMove(box, ControlKind::CheckBox, MK_LBUTTON, Point(4, 3));
    EXPECT_EQ(OldState(box), skin::VisualState::Pressed);
    EXPECT_EQ(WindowPixel(box, 0, (17 - cy) / 2 + 1), skin::PressedBorderColour);

    FillWindowBox(box, 0, 0, 20, 17);
    skin::TrackLButtonDblClk(box, ControlKind::CheckBox, Point(4, 3));
    EXPECT_EQ(WindowPixel(box, 0, 8), Marker);
    EXPECT_EQ(OldState(box), skin::VisualState::Pressed);
    skin::TrackLButtonUp(box, ControlKind::CheckBox);
    EXPECT_EQ(OldState(box), skin::VisualState::Normal);
    EXPECT_EQ(WindowPixel(box, 0, 8), skin::BorderColour);
}

TEST_F(TrackingTest, SpaceBarPressesAndReleasesOtherKeysDoNothing) {
    HWND box = CreateChild(L"BUTTON", BS_AUTOCHECKBOX, 10, 10, 120, 17);
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 40, 120, 17);
    for (auto [window, kind] :
         {std::pair{box, ControlKind::CheckBox}, std::pair{option, ControlKind::OptionButton}}) {
        skin::TrackKeyDown(window, kind, VK_RETURN);
        EXPECT_EQ(OldState(window), skin::VisualState::Normal);
        skin::TrackKeyDown(window, kind, VK_SPACE);
        EXPECT_EQ(OldState(window), skin::VisualState::Pressed);
        skin::TrackKeyUp(window, kind, 'A');
        EXPECT_EQ(OldState(window), skin::VisualState::Pressed);
        skin::TrackKeyUp(window, kind, VK_SPACE);
        EXPECT_EQ(OldState(window), skin::VisualState::Normal);
    }
}

TEST_F(TrackingTest, FocusChangeRepaintsOptionButtonsOnly) {
    HWND box = CreateChild(L"BUTTON", BS_AUTOCHECKBOX, 10, 10, 120, 17);
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 40, 120, 17);
    const int cx = GetSystemMetrics(SM_CXMENUCHECK);
    FillWindowBox(box, 0, 0, cx, 17);
    FillWindowBox(option, 0, 0, cx, 17);
    skin::TrackFocusChange(box, ControlKind::CheckBox);
    skin::TrackFocusChange(option, ControlKind::OptionButton);
    EXPECT_EQ(WindowPixel(box, cx / 2, 8), Marker);
    // Already Normal, yet drawn: the focus change forces it.
    EXPECT_NE(WindowPixel(option, cx / 2, 8), Marker);
}

class HeaderTrackingTest : public KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        header_ = CreateChild(WC_HEADERW, HDS_BUTTONS, 10, 10, 300, 20);
        for (int width : {100, 80}) {
            HDITEMW item{};
            item.mask = HDI_WIDTH;
            item.cxy = width;
            SendMessageW(header_, HDM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
        }
        skin::SetSkinProp(header_, skin::prop::HdIndex, -1);
        skin::SetSkinProp(header_, skin::prop::HmIndex, -1);
        FillWindowBox(header_, 0, 0, 300, 20);
    }
    INT_PTR Pressed() const { return skin::GetSkinProp(header_, skin::prop::HdIndex); }
    INT_PTR Hovered() const { return skin::GetSkinProp(header_, skin::prop::HmIndex); }
    // The face drawn on item 0 (x 2) or item 1 (x 102): 0, 3, 6 by strip, -1 untouched.
    int Drawn(int index) const {
        const COLORREF c = WindowPixel(header_, index == 0 ? 2 : 102, 2);
        for (int strip : {0, 3, 6}) {
            if (c == SheetPixel(GlyphSheet::HeaderItem, strip + 1, 2))
                return strip;
        }
        return c == Marker ? -1 : -2;
    }
    void Clear() { FillWindowBox(header_, 0, 0, 300, 20); }
    void Move(int x, WPARAM buttons = 0) {
        skin::TrackMouseMove(header_, ControlKind::Header, buttons, Point(x, 5));
    }
    HWND header_ = nullptr;
};

TEST_F(HeaderTrackingTest, HoverMovesFromItemToItem) {
    Move(50);
    EXPECT_EQ(Hovered(), 0);
    EXPECT_EQ(Drawn(0), 3);
    Clear();
    Move(60);  // same item: nothing drawn
    EXPECT_EQ(Drawn(0), -1);
    Move(100);  // the shared edge belongs to item 0
    EXPECT_EQ(Hovered(), 0);
    Move(150);
    EXPECT_EQ(Hovered(), 1);
    EXPECT_EQ(Drawn(0), 0);
    EXPECT_EQ(Drawn(1), 3);
    Clear();
    Move(181);  // off the items
    EXPECT_EQ(Hovered(), -1);
    EXPECT_EQ(Drawn(1), 0);
    EXPECT_EQ(Pressed(), -1);
}

TEST_F(HeaderTrackingTest, DragWithButtonHeldKeepsThePressedItem) {
    Move(150);
    skin::TrackLButtonDown(header_, ControlKind::Header, Point(150, 5));
    EXPECT_EQ(Pressed(), 1);
    EXPECT_EQ(Drawn(1), 6);
    Clear();
    Move(50, MK_LBUTTON);
    EXPECT_EQ(Hovered(), 1);
    EXPECT_EQ(Drawn(0), -1);  // item 0 is never drawn VisualState::Hover
    EXPECT_EQ(Drawn(1), -1);  // the pressed item is not drawn VisualState::Normal
    Move(150, MK_LBUTTON);    // back over HMINDEX: nothing at all
    EXPECT_EQ(Drawn(1), -1);
    EXPECT_EQ(Hovered(), 1);

    // Released with the pointer outside the header: the item goes Normal.
    SetCursorPos(600, 380);
    skin::TrackLButtonUp(header_, ControlKind::Header);
    EXPECT_EQ(Pressed(), -1);
    EXPECT_EQ(Drawn(1), 0);
    skin::TrackMouseLeave(header_, ControlKind::Header);
    EXPECT_EQ(Hovered(), -1);
    EXPECT_EQ(Pressed(), -1);
}

TEST_F(HeaderTrackingTest, DragAwayAndBackToThePressedItemRedrawsItPressed) {
    Move(50);
    skin::TrackLButtonDown(header_, ControlKind::Header, Point(50, 5));
    Move(150, MK_LBUTTON);  // hover index stays 0, which is the pressed item
    Clear();
    Move(181, MK_LBUTTON);
    EXPECT_EQ(Drawn(0), -1);
    EXPECT_EQ(Hovered(), 0);
    // Release over the header: Hover.
    SetCursorPos(10 + 50, 10 + 5);
    skin::TrackLButtonUp(header_, ControlKind::Header);
    EXPECT_EQ(Drawn(0), 3);

    // Pressed on item 1 while the hover index still names item 0 (the press
    // came before any move over item 1): dragging off turns item 0 Normal,
    // and coming back over item 1 redraws it Pressed.
    skin::TrackLButtonDown(header_, ControlKind::Header, Point(150, 5));
    Clear();
    Move(181, MK_LBUTTON);
    EXPECT_EQ(Drawn(0), 0);
    EXPECT_EQ(Drawn(1), -1);
    Clear();
    Move(150, MK_LBUTTON);
    EXPECT_EQ(Drawn(0), 0);
    EXPECT_EQ(Drawn(1), 6);
    EXPECT_EQ(Hovered(), 0);
    EXPECT_EQ(Pressed(), 1);
}

TEST_F(HeaderTrackingTest, DoubleClickPressesLikeButtonDownAndLeaveResets) {
    skin::TrackLButtonDblClk(header_, ControlKind::Header, Point(150, 5));
    EXPECT_EQ(Pressed(), 1);
    EXPECT_EQ(Drawn(1), 6);
    skin::TrackLButtonDown(header_, ControlKind::Header, Point(250, 5));
    EXPECT_EQ(Pressed(), -1);
    Move(50);
    Clear();
    skin::TrackMouseLeave(header_, ControlKind::Header);
    EXPECT_EQ(Drawn(0), 0);
    EXPECT_EQ(Hovered(), -1);
}

TEST_F(HeaderTrackingTest, HeaderWithoutItemsIgnoresPresses) {
    SendMessageW(header_, HDM_DELETEITEM, 1, 0);
    SendMessageW(header_, HDM_DELETEITEM, 0, 0);
    skin::SetSkinProp(header_, skin::prop::HdIndex, 5);
    skin::TrackLButtonDown(header_, ControlKind::Header, Point(50, 5));
    EXPECT_EQ(Pressed(), 5);
    Move(50);
    EXPECT_EQ(Hovered(), -1);
}

}  // namespace
}  // namespace taverel::testing
