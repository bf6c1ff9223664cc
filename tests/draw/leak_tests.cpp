// Every primitive releases every GDI object it makes: thousands of rounds
// leave the process's GDI headroom where it was.
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/primitives.h"
#include "tests/draw/canvas_pixels.h"
#include "tests/support/gdi_headroom.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace taverel::skin;
using taverel::testing::FilledCanvas;
using taverel::testing::MeasureGdiHeadroom;

constexpr int kRounds = 10000;
// Everything that makes a canvas opens a display DC, which costs about a
// millisecond under Wine; a single leaked object per call shows after one
// round already, so fewer rounds keep the run short without hiding a leak.
constexpr int kCanvasRounds = 2000;

void ExpectNoLeak(const char* what, int rounds, const std::function<void()>& work) {
    work();  // first-use allocations of the platform are not leaks
    const std::size_t before = MeasureGdiHeadroom();
    for (int i = 0; i < rounds; ++i)
        work();
    EXPECT_EQ(MeasureGdiHeadroom(), before) << what;
}

class NoLeaks : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildGlyphSheets(); }
    static void TearDownTestSuite() { ReleaseGlyphSheets(); }
};

TEST_F(NoLeaks, DrawingPrimitives) {
    MemoryCanvas dst = FilledCanvas(121, 33);
    const HDC dc = dst.dc();
    ExpectNoLeak("canvas", kCanvasRounds, [] { CreateMemoryCanvas(121, 33); });
    ExpectNoLeak("failed canvas", kRounds, [] { CreateMemoryCanvas(-1, 33); });
    ExpectNoLeak("sliced", kCanvasRounds, [dc] {
        DrawSlicedImage(dc, {0, 0, 121, 33}, ButtonFaceSheet(), {0, 0, 7, 21}, {3, 3, 3, 3});
    });
    ExpectNoLeak("sliced, keyed", kCanvasRounds, [dc] {
        DrawSlicedImage(dc, {0, 0, 13, 13}, OptionCircleSheet(), {0, 13, 13, 13}, {5, 5, 5, 5},
                        TransparentKey);
    });
    ExpectNoLeak("transparent", kCanvasRounds, [dc] {
        DrawTransparent(dc, 1, 1, 9, 8, CheckGlyphSheet(), 0, 0, TransparentKey);
    });
    ExpectNoLeak("fill", kRounds, [dc] { FillSolidRect(dc, 0, 0, 121, 33, White); });
    ExpectNoLeak("frame", kRounds, [dc] { FrameSolidRect(dc, 0, 0, 121, 33, BorderColour); });
    ExpectNoLeak("focus", kRounds, [dc] { DrawFocusBox(dc, 2, 2, 117, 29); });
    ExpectNoLeak("text", kRounds,
                 [dc] { DrawTextBox(dc, L"开始计算", 0, 0, 121, 33, CentredSingleLine); });
}

TEST_F(NoLeaks, BuildingAndReleasingTheGlyphSheets) {
    ExpectNoLeak("sheets", 300, [] {
        BuildGlyphSheets();
        ReleaseGlyphSheets();
    });
    ExpectNoLeak("rebuild", 300, [] { BuildGlyphSheets(); });
}

}  // namespace
