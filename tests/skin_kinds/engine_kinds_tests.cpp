// The painters and tracking of these kinds inside the whole engine: the
// drop-down list skinned when it first asks for its colours, the refresh
// of every toggle after a release anywhere in the tree, and a toggle's new
// check state shown in the skin's look at once.
#include "platform/window_class_names.h"
#include "skin/attach.h"
#include "skin/control_kind.h"
#include "skin/draw/colours.h"
#include "skin/properties.h"
#include "tests/skin_kinds/kinds_fixture.h"
#include "tests/support/message_pump.h"

#include <cwctype>
#include <string>

namespace taverel::testing {
namespace {

class EngineKindsTest : public KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        form_ = CreateTopWindow(PlainClass(platform::kFormClassName), L"form",
                                WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 400, 300);
        ASSERT_NE(form_, nullptr);
    }
    void TearDown() override {
        skin::DetachSkin(form_);
        DestroyWindow(form_);
        PumpMessages();
        KindsTest::TearDown();
    }
    HWND Child(const wchar_t* class_name, DWORD style, int x, int y, int width, int height) {
        return CreateChildWindow(form_, class_name, L"", style, x, y, width, height);
    }
    HWND form_ = nullptr;
};

// Every class name the skin knows, as a window reports it in any case.
TEST(ClassTable, EveryNameInLowerAndMixedCaseGivesItsKind) {
    using skin::ControlKind;
    const struct {
        const wchar_t* name;
        ControlKind kind;
    } table[] = {
        {L"#32770", ControlKind::Form},
        {L"ThunderFormDC", ControlKind::Form},
        {L"ThunderRT6FormDC", ControlKind::Form},
        {L"Form", ControlKind::Form},
        {L"ThunderCommandButton", ControlKind::PushButton},
        {L"ThunderRT6CommandButton", ControlKind::PushButton},
        {L"Button", ControlKind::PushButton},
        {L"ThunderComboBox", ControlKind::ComboBox},
        {L"ThunderRT6ComboBox", ControlKind::ComboBox},
        {L"Combo", ControlKind::ComboBox},
        {L"ComboBox", ControlKind::ComboBox},
        {L"ThunderDriveListBox", ControlKind::DriveList},
        {L"ThunderRT6DriveListBox", ControlKind::DriveList},
        {L"ThunderCheckBox", ControlKind::CheckBox},
        {L"ThunderRT6CheckBox", ControlKind::CheckBox},
        {L"ThunderOptionButton", ControlKind::OptionButton},
        {L"ThunderRT6OptionButton", ControlKind::OptionButton},
        {L"ProgressBar20WndClass", ControlKind::ProgressBar},
        {L"ProgressBarWndClass", ControlKind::ProgressBar},
        {L"msvb_lib_header", ControlKind::Header},
        {L"SysHeader32", ControlKind::Header},
        {L"DataListWndClass", ControlKind::DataList},
        {L"DBListWndClass", ControlKind::DataList},
        {L"ComboLBox", ControlKind::DropDownList},
        {L"ApexGrid", ControlKind::Grid},
        {L"ApexGrid.Unicode", ControlKind::Grid},
        // The names the forms layer registers, from the list both layers
        // read: whatever they come to be called, the skin knows them.
        {platform::kFormClassName, ControlKind::Form},
        {platform::kCommandButtonClassName, ControlKind::PushButton},
        {platform::kComboBoxClassName, ControlKind::ComboBox},
        {platform::kDriveListClassName, ControlKind::DriveList},
        {platform::kCheckBoxClassName, ControlKind::CheckBox},
        {platform::kOptionButtonClassName, ControlKind::OptionButton},
        {platform::kProgressBarClassName, ControlKind::ProgressBar},
        {platform::kHeaderClassName, ControlKind::Header},
        {platform::kDataListClassName, ControlKind::DataList},
        {platform::kFrameClassName, ControlKind::Other},
        {platform::kTextBoxClassName, ControlKind::Other},
        {platform::kListBoxClassName, ControlKind::Other},
        {L"Edit", ControlKind::Other},
        {L"ThunderRT6FormDCx", ControlKind::Other},
    };
    for (const auto& entry : table) {
        const std::wstring mixed = entry.name;
        const std::wstring lower = skin::LowerAscii(mixed);
        std::wstring upper = mixed;
        for (wchar_t& c : upper)
            c = static_cast<wchar_t>(towupper(c));
        const std::string label(lower.begin(), lower.end());
        EXPECT_EQ(skin::ClassifyClassName(lower), entry.kind) << label;
        EXPECT_EQ(skin::ClassifyClassName(skin::LowerAscii(mixed)), entry.kind) << label;
        EXPECT_EQ(skin::ClassifyClassName(skin::LowerAscii(upper)), entry.kind) << label;
        // The table holds lower-case names: an unlowered name is not found.
        if (lower != upper) {
            EXPECT_EQ(skin::ClassifyClassName(upper), ControlKind::Other) << label;
        }
    }
    EXPECT_EQ(skin::ClassifyClassName(L""), ControlKind::Other);
}

const wchar_t* CheckBoxClass() {
    Superclass(L"BUTTON", platform::kOptionButtonClassName);
    return Superclass(L"BUTTON", platform::kCheckBoxClassName);
}

TEST_F(EngineKindsTest, DropDownListIsSkinnedWhenItFirstAsksForColours) {
    HWND combo = Child(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 150, 200);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"two"));
    ASSERT_EQ(skin::AttachSkin(form_), 1);
    PumpMessages();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    ASSERT_NE(info.hwndList, nullptr);
    EXPECT_FALSE(skin::IsSkinned(info.hwndList));

    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PumpUntil([&] { return skin::IsSkinned(info.hwndList); }, 2000);
    EXPECT_TRUE(skin::IsSkinned(info.hwndList));
    RedrawWindow(info.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_EQ(WindowPixel(info.hwndList, 0, 0), skin::BorderColour);
    EXPECT_EQ(WindowPixel(info.hwndList, 1, 1), skin::White);
    // While it is down the combo's button shows Pressed.
    EXPECT_EQ(skin::StoredState(combo), skin::VisualState::Pressed);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    PumpMessages();
}

TEST_F(EngineKindsTest, ReleaseAnywhereRefreshesEveryToggleInTheTree) {
    HWND button = Child(L"BUTTON", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND box = Child(CheckBoxClass(), BS_AUTOCHECKBOX, 10, 50, 120, 17);
    HWND option = Child(platform::kOptionButtonClassName, BS_AUTORADIOBUTTON, 10, 80, 120, 17);
    ASSERT_EQ(skin::AttachSkin(form_), 1);
    PumpMessages();
    const int cx = GetSystemMetrics(SM_CXMENUCHECK);
    skin::StoreState(box, skin::VisualState::Hover);
    skin::StoreState(option, skin::VisualState::Pressed);
    FillWindowBox(box, 0, 0, cx, 17);
    FillWindowBox(option, 0, 0, cx, 17);
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(skin::StoredState(box), skin::VisualState::Normal);
    EXPECT_EQ(skin::StoredState(option), skin::VisualState::Normal);
    EXPECT_NE(WindowPixel(box, cx / 2, 8), Sentinel);
    EXPECT_NE(WindowPixel(option, cx / 2, 8), Sentinel);
}

TEST_F(EngineKindsTest, FocusRepaintsOptionButtonsButNotCheckBoxes) {
    HWND box = Child(CheckBoxClass(), BS_AUTOCHECKBOX | WS_TABSTOP, 10, 50, 120, 17);
    HWND option =
        Child(platform::kOptionButtonClassName, BS_AUTORADIOBUTTON | WS_TABSTOP, 10, 80, 120, 17);
    ASSERT_EQ(skin::AttachSkin(form_), 1);
    SetForegroundWindow(form_);
    SetActiveWindow(form_);
    PumpMessages();
    const int cx = GetSystemMetrics(SM_CXMENUCHECK);
    FillWindowBox(box, 0, 0, cx, 17);
    FillWindowBox(option, 0, 0, cx, 17);
    SetFocus(box);
    EXPECT_EQ(WindowPixel(box, cx / 2, 8), Sentinel);
    SetFocus(option);  // the option gains it, the check box loses it
    EXPECT_NE(WindowPixel(option, cx / 2, 8), Sentinel);
    EXPECT_EQ(WindowPixel(box, cx / 2, 8), Sentinel);
}

TEST_F(EngineKindsTest, ACheckStateSetByAProgramShowsTheSkinsLookAtOnce) {
    HWND box = Child(CheckBoxClass(), BS_AUTOCHECKBOX, 10, 50, 120, 17);
    HWND option = Child(platform::kOptionButtonClassName, BS_AUTORADIOBUTTON, 10, 80, 120, 17);
    ASSERT_EQ(skin::AttachSkin(form_), 1);
    PumpMessages();
    const int cx = GetSystemMetrics(SM_CXMENUCHECK);
    const int cy = GetSystemMetrics(SM_CYMENUCHECK);
    ASSERT_TRUE(cx == 13 && cy == 13);
    const int top = 2;
    for (const WPARAM check : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}) {
        SendMessageW(box, BM_SETCHECK, check, 0);
        SendMessageW(option, BM_SETCHECK, check, 0);
        // Nothing pumped: what shows is what the state change itself drew.
        EXPECT_EQ(WindowPixel(box, 0, top), skin::BorderColour) << check;
        int mark_pixels = 0;
        for (int y = 1; y < cy - 1; ++y) {
            for (int x = 1; x < cx - 1; ++x) {
                const bool in_mark = check == BST_CHECKED && x >= 2 && x < 11 && y >= 2 && y < 10;
                const COLORREF mark =
                    in_mark ? SheetPixel(skin::GlyphSheet::CheckGlyph, x - 2, y - 2) : Sentinel;
                const bool marked = in_mark && mark != skin::TransparentKey;
                mark_pixels += marked ? 1 : 0;
                ASSERT_EQ(WindowPixel(box, x, top + y), marked ? mark : skin::White)
                    << check << " " << x << "," << y;
            }
        }
        EXPECT_EQ(mark_pixels > 0, check == BST_CHECKED);
        EXPECT_EQ(WindowPixel(option, 6, top), SheetPixel(skin::GlyphSheet::OptionCircle, 6, 0));
        EXPECT_EQ(WindowPixel(option, 6, top + 6),
                  check == BST_CHECKED ? SheetPixel(skin::GlyphSheet::CheckGlyph, 4, 20)
                                       : SheetPixel(skin::GlyphSheet::OptionCircle, 6, 6))
            << check;
    }
}

TEST_F(EngineKindsTest, MouseMessagesReachTheCheckBoxBranch) {
    HWND box = Child(CheckBoxClass(), BS_AUTOCHECKBOX, 10, 50, 120, 17);
    ASSERT_EQ(skin::AttachSkin(form_), 1);
    PumpMessages();
    SendMessageW(box, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(skin::GetSkinProp(box, skin::prop::MouseFlag), 1);
    EXPECT_EQ(skin::StoredState(box), skin::VisualState::Hover);
    SendMessageW(box, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(skin::GetSkinProp(box, skin::prop::MouseFlag), 0);
    EXPECT_EQ(skin::StoredState(box), skin::VisualState::Normal);
}

}  // namespace
}  // namespace taverel::testing
