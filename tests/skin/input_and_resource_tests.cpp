// Real pointer input through the window system, and long runs that must
// leave no GDI object and no timer behind.
#include "skin/attach.h"
#include "skin/engine_state.h"
#include "skin/fade.h"
#include "skin/properties.h"
#include "tests/skin/skin_test_windows.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/message_pump.h"
#include "tests/support/stress.h"

#include <gtest/gtest.h>

namespace taverel::skin {
namespace {

using taverel::testing::MeasureGdiHeadroom;
using taverel::testing::PumpMessages;
using taverel::testing::PumpUntil;
using taverel::testing::StressCount;
using testing::CreateMainLikeTree;
using testing::MainLikeTree;
using testing::MovePointerTo;

class RealInput : public ::testing::TestWithParam<bool> {};

// Run with user32's TrackMouseEvent and with comctl32's fallback.
TEST_P(RealInput, PointerOverTheButtonFadesToHoverAndLeavingFadesBack) {
    MovePointerTo(2, 2);
    MainLikeTree tree = CreateMainLikeTree(200, 200);
    SetForegroundWindow(tree.form);
    ASSERT_EQ(1, AttachSkin(tree.form));
    OverrideTrackMouseEventAvailable(GetParam());
    PumpMessages();
    ASSERT_NO_FATAL_FAILURE(testing::ExpectHoverAndBack(tree.calculate));
    DetachSkin(tree.form);
    DestroyWindow(tree.form);
    EXPECT_EQ(0, SkinnedWindowCount());
}

INSTANTIATE_TEST_SUITE_P(LeaveNotice, RealInput, ::testing::Values(true, false));

// 10 000 fade ticks leave no GDI object behind and the timer cleared.
TEST(Resources, FadeTicksLeaveNothingBehind) {
    MainLikeTree tree = CreateMainLikeTree(40, 40);
    ASSERT_EQ(1, AttachSkin(tree.form));
    PumpMessages();
    const std::size_t before = MeasureGdiHeadroom();
    SendMessageW(tree.calculate, WM_MOUSEMOVE, 0, 0);
    const int ticks = StressCount(10000);
    for (int i = 0; i < ticks; ++i) {
        if (GetSkinProp(tree.calculate, prop::TimerId) == 0)
            StartFadeTimer(tree.calculate);
        SendMessageW(tree.calculate, WM_TIMER, FadeTimerId, 0);
    }
    StopFadeTimer(tree.calculate);
    EXPECT_EQ(0, GetSkinProp(tree.calculate, prop::TimerId));
    EXPECT_EQ(before, MeasureGdiHeadroom());
    DetachSkin(tree.form);
    EXPECT_FALSE(KillTimer(tree.calculate, FadeTimerId));
    DestroyWindow(tree.form);
}

}  // namespace
}  // namespace taverel::skin
