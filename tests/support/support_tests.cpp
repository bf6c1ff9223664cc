// The test environment itself: a 24-bit screen (colour tests depend on exact
// values) and a headroom measurement that really sees a leak.
#include "platform/win.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/stress.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

TEST(TestEnvironment, ScreenHasAtLeast24BitsSoColoursReadBackExactly) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES), 24);
    ReleaseDC(nullptr, screen);
}

TEST(GdiHeadroom, SeesObjectsHeldBetweenMeasurements) {
    const std::size_t before = taverel::testing::MeasureGdiHeadroom();
    ASSERT_GT(before, 1000u);
    ASSERT_LT(before, 200000u) << "no GDI limit reached: headroom cannot see leaks";
    std::vector<HBRUSH> held;
    for (int i = 0; i < 50; ++i)
        held.push_back(CreateSolidBrush(RGB(i, 1, 2)));
    const std::size_t during = taverel::testing::MeasureGdiHeadroom();
    for (HBRUSH b : held)
        DeleteObject(b);
    const std::size_t after = taverel::testing::MeasureGdiHeadroom();
    EXPECT_EQ(before - during, 50u);
    EXPECT_EQ(after, before);
}

// The emulated x86 run takes a share of each stress loop; a share that rounds
// to nothing must still run a round, or a leak test there would measure none.
TEST(StressSetting, TakesAShareOfTheCountButNeverNone) {
    const char* set = std::getenv("TAVEREL_STRESS_PERCENT");
    const std::string previous = set ? set : "";
    _putenv_s("TAVEREL_STRESS_PERCENT", "10");
    EXPECT_EQ(taverel::testing::StressCount(10000), 1000);
    EXPECT_EQ(taverel::testing::StressCount(5), 1);
    _putenv_s("TAVEREL_STRESS_PERCENT", "");
    EXPECT_EQ(taverel::testing::StressCount(10000), 10000);
    _putenv_s("TAVEREL_STRESS_PERCENT", previous.c_str());
}

}  // namespace
