// The mouse, keyboard and focus branches of the non-push-button kinds, fed
// the messages' parameters directly as the engine's handlers would.
#include "skin/draw/colours.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/header.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/progress.h"
#include "skin/kinds/toggle.h"
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
        skin::EntryPointsOf(ControlKind::ComboBox).mouse_move(combo, 0, Point(move.x, 5), false);
        EXPECT_EQ(OldState(combo), move.state) << move.x;
    }
    skin::EntryPointsOf(ControlKind::ComboBox).button_down(combo, Point(width - 5, 1));
    EXPECT_EQ(OldState(combo), skin::VisualState::Normal);
    skin::EntryPointsOf(ControlKind::ComboBox).button_down(combo, Point(width - 5, 2));
    EXPECT_EQ(OldState(combo), skin::VisualState::Pressed);
    EXPECT_FALSE(skin::InComboDropZone(combo, width - 5, height - 1));
    EXPECT_TRUE(skin::InComboDropZone(combo, width - 5, height - 2));
    // Moving with the button held over the zone asks for Pressed.
    skin::EntryPointsOf(ControlKind::ComboBox)
        .mouse_move(combo, MK_LBUTTON, Point(width - 5, 5), false);
    EXPECT_EQ(OldState(combo), skin::VisualState::Pressed);
}

TEST_F(TrackingTest, DropDownListComboCountsAsAWhole) {
    HWND combo = CreateChild(PlainClass(L"TaverelComboStandIn"), CBS_DROPDOWNLIST, 10, 10, 150, 22);
    skin::EntryPointsOf(ControlKind::ComboBox).mouse_move(combo, 0, Point(3, 3), false);
    EXPECT_EQ(OldState(combo), skin::VisualState::Hover);
    skin::EntryPointsOf(ControlKind::ComboBox).mouse_leave(combo);
    EXPECT_EQ(OldState(combo), skin::VisualState::Normal);
    skin::EntryPointsOf(ControlKind::ComboBox).button_down(combo, Point(3, 3));
    EXPECT_EQ(OldState(combo), skin::VisualState::Pressed);
    // Released with the pointer away from the combo box: Normal.
    SetCursorPos(600, 380);
    skin::EntryPointsOf(ControlKind::ComboBox).button_up(combo);
    EXPECT_EQ(OldState(combo), skin::VisualState::Normal);
    // Released over it: Hover.
    skin::EntryPointsOf(ControlKind::ComboBox).button_down(combo, Point(3, 3));
    SetCursorPos(10 + 20, 10 + 10);
    skin::EntryPointsOf(ControlKind::ComboBox).button_up(combo);
    EXPECT_EQ(OldState(combo), skin::VisualState::Hover);
}

TEST_F(TrackingTest, DriveListFollowsTheButtonFlag) {
    HWND drives =
        CreateChild(PlainClass(L"TaverelComboStandIn"), CBS_DROPDOWNLIST, 10, 10, 150, 22);
    skin::EntryPointsOf(ControlKind::DriveList).mouse_move(drives, 0, Point(3, 3), false);
    EXPECT_EQ(OldState(drives), skin::VisualState::Hover);
    skin::EntryPointsOf(ControlKind::DriveList).mouse_move(drives, MK_LBUTTON, Point(3, 3), false);
    EXPECT_EQ(OldState(drives), skin::VisualState::Pressed);
    skin::SetSkinProp(drives, skin::prop::MouseFlag, 1);
    skin::EntryPointsOf(ControlKind::DriveList).mouse_leave(drives);
    EXPECT_EQ(OldState(drives), skin::VisualState::Normal);
    EXPECT_EQ(skin::GetSkinProp(drives, skin::prop::MouseFlag), 0);
    // Anywhere on a drive list a press shows Pressed; the release shows
    // Hover over it and Normal away from it.
    skin::EntryPointsOf(ControlKind::DriveList).button_down(drives, Point(3, 3));
    EXPECT_EQ(OldState(drives), skin::VisualState::Pressed);
    SetCursorPos(10 + 20, 10 + 10);
    skin::EntryPointsOf(ControlKind::DriveList).button_up(drives);
    EXPECT_EQ(OldState(drives), skin::VisualState::Hover);
    skin::EntryPointsOf(ControlKind::DriveList).button_down(drives, Point(3, 3));
    SetCursorPos(600, 380);
    skin::EntryPointsOf(ControlKind::DriveList).button_up(drives);
    EXPECT_EQ(OldState(drives), skin::VisualState::Normal);
}

TEST_F(TrackingTest, CheckBoxRedrawsOnEveryMoveButNotOnDoubleClick) {
    HWND box = CreateChild(L"BUTTON", BS_AUTOCHECKBOX, 10, 10, 120, 17);
    const int cy = GetSystemMetrics(SM_CYMENUCHECK);
    skin::EntryPointsOf(ControlKind::CheckBox).mouse_move(box, 0, Point(3, 3), false);
    EXPECT_EQ(OldState(box), skin::VisualState::Hover);
    FillWindowBox(box, 0, 0, 20, 17);
    skin::EntryPointsOf(ControlKind::CheckBox).mouse_move(box, 0, Point(4, 3), false);
    EXPECT_EQ(WindowPixel(box, 0, 8), skin::BorderColour);

    skin::EntryPointsOf(ControlKind::CheckBox).mouse_move(box, MK_LBUTTON, Point(4, 3), false);
    EXPECT_EQ(OldState(box), skin::VisualState::Pressed);
    EXPECT_EQ(WindowPixel(box, 0, (17 - cy) / 2 + 1), skin::PressedBorderColour);

    FillWindowBox(box, 0, 0, 20, 17);
    skin::EntryPointsOf(ControlKind::CheckBox).double_click(box, Point(4, 3));
    EXPECT_EQ(WindowPixel(box, 0, 8), Sentinel);
    EXPECT_EQ(OldState(box), skin::VisualState::Pressed);
    skin::EntryPointsOf(ControlKind::CheckBox).button_up(box);
    EXPECT_EQ(OldState(box), skin::VisualState::Normal);
    EXPECT_EQ(WindowPixel(box, 0, 8), skin::BorderColour);
}

TEST_F(TrackingTest, SpaceBarPressesAndReleasesOtherKeysDoNothing) {
    HWND box = CreateChild(L"BUTTON", BS_AUTOCHECKBOX, 10, 10, 120, 17);
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 40, 120, 17);
    for (auto [window, kind] :
         {std::pair{box, ControlKind::CheckBox}, std::pair{option, ControlKind::OptionButton}}) {
        skin::EntryPointsOf(kind).key_down(window, VK_RETURN);
        EXPECT_EQ(OldState(window), skin::VisualState::Normal);
        skin::EntryPointsOf(kind).key_down(window, VK_SPACE);
        EXPECT_EQ(OldState(window), skin::VisualState::Pressed);
        skin::EntryPointsOf(kind).key_up(window, 'A');
        EXPECT_EQ(OldState(window), skin::VisualState::Pressed);
        skin::EntryPointsOf(kind).key_up(window, VK_SPACE);
        EXPECT_EQ(OldState(window), skin::VisualState::Normal);
    }
}

TEST_F(TrackingTest, FocusChangeRepaintsOptionButtonsOnly) {
    HWND box = CreateChild(L"BUTTON", BS_AUTOCHECKBOX, 10, 10, 120, 17);
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 40, 120, 17);
    const int cx = GetSystemMetrics(SM_CXMENUCHECK);
    FillWindowBox(box, 0, 0, cx, 17);
    FillWindowBox(option, 0, 0, cx, 17);
    skin::EntryPointsOf(ControlKind::CheckBox).focus_changed(box);
    skin::EntryPointsOf(ControlKind::OptionButton).focus_changed(option);
    EXPECT_EQ(WindowPixel(box, cx / 2, 8), Sentinel);
    // Already Normal, yet drawn: the focus change forces it.
    EXPECT_NE(WindowPixel(option, cx / 2, 8), Sentinel);
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
        return c == Sentinel ? -1 : -2;
    }
    void Clear() { FillWindowBox(header_, 0, 0, 300, 20); }
    void Move(int x, WPARAM buttons = 0) {
        skin::EntryPointsOf(ControlKind::Header).mouse_move(header_, buttons, Point(x, 5), false);
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
    skin::EntryPointsOf(ControlKind::Header).button_down(header_, Point(150, 5));
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
    skin::EntryPointsOf(ControlKind::Header).button_up(header_);
    EXPECT_EQ(Pressed(), -1);
    EXPECT_EQ(Drawn(1), 0);
    skin::EntryPointsOf(ControlKind::Header).mouse_leave(header_);
    EXPECT_EQ(Hovered(), -1);
    EXPECT_EQ(Pressed(), -1);
}

TEST_F(HeaderTrackingTest, DragAwayAndBackToThePressedItemRedrawsItPressed) {
    Move(50);
    skin::EntryPointsOf(ControlKind::Header).button_down(header_, Point(50, 5));
    Move(150, MK_LBUTTON);  // hover index stays 0, which is the pressed item
    Clear();
    Move(181, MK_LBUTTON);
    EXPECT_EQ(Drawn(0), -1);
    EXPECT_EQ(Hovered(), 0);
    // Release over the header: Hover.
    SetCursorPos(10 + 50, 10 + 5);
    skin::EntryPointsOf(ControlKind::Header).button_up(header_);
    EXPECT_EQ(Drawn(0), 3);

    // Pressed on item 1 while the hover index still names item 0 (the press
    // came before any move over item 1): dragging off turns item 0 Normal,
    // and coming back over item 1 redraws it Pressed.
    skin::EntryPointsOf(ControlKind::Header).button_down(header_, Point(150, 5));
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
    skin::EntryPointsOf(ControlKind::Header).double_click(header_, Point(150, 5));
    EXPECT_EQ(Pressed(), 1);
    EXPECT_EQ(Drawn(1), 6);
    skin::EntryPointsOf(ControlKind::Header).button_down(header_, Point(250, 5));
    EXPECT_EQ(Pressed(), -1);
    Move(50);
    Clear();
    skin::EntryPointsOf(ControlKind::Header).mouse_leave(header_);
    EXPECT_EQ(Drawn(0), 0);
    EXPECT_EQ(Hovered(), -1);
}

TEST_F(HeaderTrackingTest, HeaderWithoutItemsIgnoresPresses) {
    SendMessageW(header_, HDM_DELETEITEM, 1, 0);
    SendMessageW(header_, HDM_DELETEITEM, 0, 0);
    skin::SetSkinProp(header_, skin::prop::HdIndex, 5);
    skin::EntryPointsOf(ControlKind::Header).button_down(header_, Point(50, 5));
    EXPECT_EQ(Pressed(), 5);
    Move(50);
    EXPECT_EQ(Hovered(), -1);
}

}  // namespace
}  // namespace taverel::testing
