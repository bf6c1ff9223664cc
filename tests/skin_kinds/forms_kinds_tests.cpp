// The forms controls of the skinned kinds: their windows carry the class
// names the skin recognises, and their values reach the windows as the skin
// reads them (check states, the 0..30000 progress scale, header items).
#include "forms/combo_box.h"
#include "forms/drive_list.h"
#include "forms/form.h"
#include "forms/header.h"
#include "forms/list_box.h"
#include "forms/progress_bar.h"
#include "forms/tri_state_check_box.h"
#include "skin/attach.h"
#include "skin/control_kind.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/kinds/header.h"
#include "skin/kinds/progress.h"
#include "skin/properties.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace taverel::testing {
namespace {

using forms::TwipsRect;

TwipsRect Pixels(int x, int y, int width, int height) {
    return {x * 15, y * 15, width * 15, height * 15};
}

class KindsForm : public forms::Form {
public:
    KindsForm() {
        SetCaption(L"kinds");
        SetClientSize(400 * 15, 300 * 15);
        check.SetBounds(Pixels(10, 10, 100, 21));
        Add(check);
        combo.SetBounds(Pixels(10, 40, 100, 120));
        combo.AddItem(L"one");
        combo.AddItem(L"two");
        combo.SetListIndex(1);
        Add(combo);
        simple.SetBounds(Pixels(120, 40, 100, 80));
        Add(simple);
        drives.SetBounds(Pixels(230, 40, 100, 120));
        Add(drives);
        header.SetBounds(Pixels(10, 130, 300, 20));
        header.AddItem(L"Name", 100);
        header.AddItem(L"Size", 80);
        Add(header);
        progress.SetBounds(Pixels(10, 160, 150, 17));
        progress.SetRange(10, 20);
        Add(progress);
        list.SetBounds(Pixels(10, 190, 100, 60));
        list.AddItem(L"item");
        Add(list);
        data_list.SetBounds(Pixels(120, 190, 100, 60));
        Add(data_list);
    }
    ~KindsForm() override { Close(); }

    forms::TriStateCheckBox check;
    forms::ComboBox combo{forms::ComboStyle::DropDownList};
    forms::ComboBox simple{forms::ComboStyle::Simple};
    forms::DriveList drives;
    forms::Header header;
    forms::ProgressBar progress;
    forms::ListBox list;
    forms::DataList data_list;
};

class FormsKindsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_.Show();
        PumpMessages();
    }
    KindsForm form_;
};

TEST_F(FormsKindsTest, WindowsCarryTheClassNamesOfTheSkinsKinds) {
    using skin::ControlKind;
    EXPECT_EQ(skin::GetControlKind(form_.check.Window()), ControlKind::CheckBox);
    EXPECT_EQ(skin::GetControlKind(form_.combo.Window()), ControlKind::ComboBox);
    EXPECT_EQ(skin::GetControlKind(form_.drives.Window()), ControlKind::DriveList);
    EXPECT_EQ(skin::GetControlKind(form_.progress.Window()), ControlKind::ProgressBar);
    EXPECT_EQ(skin::GetControlKind(form_.header.Window()), ControlKind::Header);
    EXPECT_EQ(skin::LowerClassName(form_.header.Window()), L"sysheader32");
    EXPECT_EQ(skin::LowerClassName(form_.data_list.Window()), L"datalistwndclass");
    EXPECT_EQ(GetWindowLongPtrW(form_.drives.Window(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
}

TEST_F(FormsKindsTest, CheckBoxCyclesThroughThreeStates) {
    HWND box = form_.check.Window();
    int clicks = 0;
    form_.check.Click = [&] { ++clicks; };
    const LRESULT expected[] = {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED};
    for (LRESULT state : expected) {
        SendMessageW(box, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), state);
    }
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(form_.check.Value(), forms::CheckValue::Unchecked);
}

TEST_F(FormsKindsTest, ProgressRunsOverTheSkinsScale) {
    EXPECT_EQ(forms::ProgressBar::ScaledPosition(15, 10, 20), 15000);
    EXPECT_EQ(forms::ProgressBar::ScaledPosition(25, 10, 20), 30000);
    EXPECT_EQ(forms::ProgressBar::ScaledPosition(5, 10, 20), 0);
    EXPECT_EQ(forms::ProgressBar::ScaledPosition(5, 10, 10), 0);
    HWND bar = form_.progress.Window();
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 30000);
    form_.progress.SetValue(15);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 15000);
    EXPECT_FLOAT_EQ(skin::ProgressFraction(bar), 0.5f);
    form_.progress.SetValue(99);
    EXPECT_EQ(form_.progress.Value(), 20);
    EXPECT_FLOAT_EQ(skin::ProgressFraction(bar), 1.0f);
}

TEST_F(FormsKindsTest, HeaderItemsAndDrivesAreFilledAtCreation) {
    EXPECT_EQ(skin::GetHeaderItemCaption(form_.header.Window(), 1), L"Size");
    // The drive list offers at least the system drive, one selected.
    EXPECT_GT(SendMessageW(form_.drives.Window(), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(form_.drives.Drive().size(), 2u);
    EXPECT_EQ(form_.drives.Drive()[1], L':');
}

TEST_F(FormsKindsTest, AttachSkinsEveryKindAndDetachGivesThemBack) {
    ASSERT_EQ(skin::AttachSkin(form_.Window()), 1);
    PumpMessages();
    for (HWND window : {form_.check.Window(), form_.combo.Window(), form_.drives.Window(),
                        form_.header.Window(), form_.progress.Window(), form_.list.Window()})
        EXPECT_TRUE(skin::IsSkinned(window));
    EXPECT_EQ(skin::GetSkinProp(form_.header.Window(), skin::prop::HmIndex), -1);
    // The header paints through the skin: its first item shows the normal face.
    RedrawWindow(form_.header.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowPixel(form_.header.Window(), 3, 2),
              skin::GlyphSheetPixel(skin::GlyphSheet::HeaderItem, 1, 2));
    EXPECT_EQ(skin::DetachSkin(form_.Window()), 1);
    EXPECT_FALSE(skin::IsSkinned(form_.header.Window()));
}

}  // namespace
}  // namespace taverel::testing
