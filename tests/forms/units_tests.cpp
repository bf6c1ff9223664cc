#include "forms/units.h"
#include "platform/dpi.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace taverel::forms {
namespace {

TEST(TwipsTest, FifteenTwipsPerPixelAt96Dpi) {
    EXPECT_EQ(TwipsToPixels(120, 96), 8);
    EXPECT_EQ(TwipsToPixels(1695, 96), 113);
    EXPECT_EQ(TwipsToPixels(5175, 96), 345);
    const RECT box = TwipsToPixels(TwipsRect{2040, 360, 2175, 495}, Dpi{96, 96});
    EXPECT_EQ(box.left, 136);
    EXPECT_EQ(box.top, 24);
    EXPECT_EQ(box.right, 136 + 145);
    EXPECT_EQ(box.bottom, 24 + 33);
}

TEST(TwipsTest, FollowsTheDpiOfEachAxisAndRoundsToNearest) {
    // 1695 twips at 120 DPI are 141.25 pixels; 855 at 144 DPI are 85.5.
    EXPECT_EQ(TwipsToPixels(1695, 120), 141);
    EXPECT_EQ(TwipsToPixels(855, 144), 86);
    const RECT box = TwipsToPixels(TwipsRect{1440, 1440, 1440, 720}, Dpi{96, 192});
    EXPECT_EQ(box.left, 96);
    EXPECT_EQ(box.top, 192);
    EXPECT_EQ(box.bottom - box.top, 96);
    // Edges are rounded, not widths (105 twips are 10.5 pixels at 144 DPI).
    EXPECT_EQ(TwipsToPixels(TwipsRect{105, 0, 105, 15}, Dpi{144, 144}).right,
              TwipsToPixels(TwipsRect{210, 0, 105, 15}, Dpi{144, 144}).left);
    // Halves go to the even pixel whatever the floating-point rounding mode.
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(platform::ScaleToDpi(3, 144), 4);
    EXPECT_EQ(TwipsToPixels(105, 144), 10);
    std::fesetround(mode);
}

TEST(FontHeightTest, PointsBecomeCharacterHeightsInPixels) {
    EXPECT_EQ(PointsToFontHeight(9, 96), -12);
    EXPECT_EQ(PointsToFontHeight(18, 96), -24);
    EXPECT_EQ(PointsToFontHeight(21.75, 96), -29);
    EXPECT_EQ(PointsToFontHeight(9, 144), -18);
}

}  // namespace
}  // namespace taverel::forms
