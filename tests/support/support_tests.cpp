// The test environment itself: a 24-bit screen (colour tests depend on exact
// values) and a headroom measurement that really sees a leak.
#include "platform/win.h"
#include "tests/support/gdi_headroom.h"

#include <gtest/gtest.h>

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

}  // namespace
