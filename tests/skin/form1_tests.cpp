// The skin on the calculator's real main window.
#include "app/ui/form1.h"
#include "skin/attach.h"
#include "skin/control_kind.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/engine_state.h"
#include "skin/properties.h"
#include "tests/skin/skin_test_windows.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/message_pump.h"
#include "tests/support/stress.h"
#include "tests/support/recording_starter.h"
#include "tools/gallery/plain_dialog.h"

#include <gtest/gtest.h>

namespace taverel::skin {
namespace {

using taverel::testing::MeasureGdiHeadroom;
using taverel::testing::PumpMessages;
using taverel::testing::PumpUntil;
using taverel::testing::StressCount;
using testing::MovePointerTo;

using NoStarter = app::testing::RecordingStarter;  // nothing is started

TEST(Form1Skin, LoadSkinsEightWindowsAndUnloadGivesThemBack) {
    NoStarter starter;
    {
        app::Form1 form(starter, nullptr);
        form.Show();
        PumpMessages();
        EXPECT_EQ(8, SkinnedWindowCount());
        EXPECT_TRUE(IsSkinned(form.Window()));
        EXPECT_TRUE(IsSkinned(form.Command2.Window()));
        EXPECT_EQ(ControlKind::PushButton, GetControlKind(form.Command2.Window()));
        EXPECT_TRUE(IsSkinned(form.Option1.Window()));
        EXPECT_TRUE(IsSkinned(form.Text1.Window()));
        EXPECT_TRUE(IsSkinned(form.Frame1.Window()));
        form.Close();
        EXPECT_EQ(0, SkinnedWindowCount());
        EXPECT_FALSE(GlyphSheetsBuilt());
    }
}

TEST(Form1Skin, PointerOnStartButtonShowsHoverThenLeaves) {
    NoStarter starter;
    MovePointerTo(2, 2);
    app::Form1 form(starter, nullptr);
    form.Show();
    PumpMessages();
    ASSERT_EQ(std::wstring(L"开始计算"), form.Command2.Text());
    ASSERT_NO_FATAL_FAILURE(testing::ExpectHoverAndBack(form.Command2.Window()));
    form.Close();
}

// The input-error message box is skinned once activation passes to it.
HWND seen_box = nullptr;
bool box_skinned = false;
void CALLBACK InspectMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"输入错误");
    if (!box)
        return;
    KillTimer(nullptr, timer);
    seen_box = box;
    box_skinned = IsSkinned(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(Form1Skin, InputErrorMessageBoxIsSkinnedAndGivesItselfBack) {
    NoStarter starter;
    app::Form1 form(starter, nullptr);
    form.Show();
    PumpMessages();
    form.Text1.SetText(L"abc");
    seen_box = nullptr;
    box_skinned = false;
    SetTimer(nullptr, 0, 50, InspectMessageBox);
    form.Command2_Click();
    ASSERT_NE(nullptr, seen_box);
    EXPECT_TRUE(box_skinned);
    PumpMessages();
    EXPECT_EQ(8, SkinnedWindowCount());
    form.Close();
    EXPECT_EQ(0, SkinnedWindowCount());
}

TEST(Form1Skin, ThousandAttachDetachCyclesLeaveNoGdiObjects) {
    NoStarter starter;
    app::Form1 form(starter, nullptr);
    form.Show();
    PumpMessages();
    const HWND window = form.Window();
    // A plain dialog, open beside it (skinned as it became active).
    const HWND dialog = gallery::CreatePlainDialog(window, false);
    PumpMessages();
    ASSERT_EQ(1, DetachSkin(dialog));
    ASSERT_EQ(1, DetachSkin(window));
    ASSERT_EQ(1, AttachSkin(window));
    ASSERT_EQ(1, DetachSkin(window));
    const std::size_t before = MeasureGdiHeadroom();
    const int cycles = StressCount(1000);
    for (int i = 0; i < cycles; ++i) {
        ASSERT_EQ(1, AttachSkin(window));
        ASSERT_EQ(8, SkinnedWindowCount());
        ASSERT_EQ(1, AttachSkin(dialog));
        ASSERT_EQ(1, DetachSkin(dialog));
        ASSERT_EQ(1, DetachSkin(window));
    }
    EXPECT_EQ(before, MeasureGdiHeadroom());
    DestroyWindow(dialog);
    ASSERT_EQ(1, AttachSkin(window));
    form.Close();
    EXPECT_EQ(0, SkinnedWindowCount());
}

}  // namespace
}  // namespace taverel::skin
