// Real pointer input through the window system, and long runs that must
// leave no GDI object and no timer behind.
#include "skin/attach.h"
#include "skin/engine_state.h"
#include "skin/fade.h"
#include "skin/properties.h"
#include "tests/skin/skin_test_windows.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/message_pump.h"

#include <gtest/gtest.h>

namespace taverel::skin {
namespace {

using taverel::testing::MeasureGdiHeadroom;
using taverel::testing::PumpMessages;
using taverel::testing::PumpUntil;
using testing::CreateMainLikeTree;
using testing::MainLikeTree;
using testing::StatePixel;
using testing::WindowPixel;

void MovePointerTo(int x, int y) {
    // Absolute coordinates are normalised to 0..65535 over the primary screen.
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + sw / 2) / sw;
    input.mi.dy = (y * 65536 + sh / 2) / sh;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

bool ShowsState(HWND button, int state) {
    RECT r{};
    GetWindowRect(button, &r);
    for (int y = 3; y < r.bottom - r.top - 3; y += 3) {
        for (int x = 3; x < r.right - r.left - 3; x += 3) {
            if (WindowPixel(button, x, y) != StatePixel(button, state, x, y))
                return false;
        }
    }
    return true;
}

class RealInput : public ::testing::TestWithParam<bool> {};

// Run with user32's TrackMouseEvent and with comctl32's fallback.
TEST_P(RealInput, PointerOverTheButtonFadesToHoverAndLeavingFadesBack) {
    MovePointerTo(2, 2);
    MainLikeTree tree = CreateMainLikeTree(200, 200);
    SetForegroundWindow(tree.form);
    ASSERT_EQ(1, AttachSkin(tree.form));
    OverrideTrackMouseEventAvailable(GetParam());
    PumpMessages();
    HWND button = tree.calculate;

    RECT r{};
    GetWindowRect(button, &r);
    MovePointerTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::MouseFlag) == 1; }, 5000));
    EXPECT_EQ(Hover, GetSkinProp(button, prop::OldState));
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::TimerId) == 0; }, 10000));
    EXPECT_TRUE(ShowsState(button, Hover));

    MovePointerTo(2, 2);
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::MouseFlag) == 0; }, 5000));
    EXPECT_EQ(Normal, GetSkinProp(button, prop::OldState));
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::TimerId) == 0; }, 10000));
    EXPECT_TRUE(ShowsState(button, Normal));

    DetachSkin(tree.form);
    DestroyWindow(tree.form);
    EXPECT_EQ(0, SkinnedWindowCount());
}

INSTANTIATE_TEST_SUITE_P(LeaveNotice, RealInput, ::testing::Values(true, false));

TEST(Resources, AttachDetachCyclesAndFadeTicksLeaveNothingBehind) {
    MainLikeTree tree = CreateMainLikeTree(40, 40);
    PumpMessages();
    // Warm up once so lazily created system objects are not counted.
    AttachSkin(tree.form);
    DetachSkin(tree.form);
    const std::size_t before = MeasureGdiHeadroom();

    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(1, AttachSkin(tree.form));
        ASSERT_EQ(8, SkinnedWindowCount());
        ASSERT_EQ(1, DetachSkin(tree.form));
    }
    EXPECT_EQ(0, SkinnedWindowCount());
    EXPECT_EQ(before, MeasureGdiHeadroom());

    ASSERT_EQ(1, AttachSkin(tree.form));
    SendMessageW(tree.calculate, WM_MOUSEMOVE, 0, 0);
    for (int i = 0; i < 10000; ++i) {
        if (GetSkinProp(tree.calculate, prop::TimerId) == 0)
            StartFadeTimer(tree.calculate);
        SendMessageW(tree.calculate, WM_TIMER, FadeTimerId, 0);
    }
    StopFadeTimer(tree.calculate);
    EXPECT_EQ(0, GetSkinProp(tree.calculate, prop::TimerId));
    DetachSkin(tree.form);
    EXPECT_EQ(0, GetSkinProp(tree.calculate, prop::TimerId));
    EXPECT_EQ(before, MeasureGdiHeadroom());
    DestroyWindow(tree.form);
}

}  // namespace
}  // namespace taverel::skin
