// Every primitive releases every GDI object it makes: thousands of rounds
// leave the process's GDI headroom where it was.
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/primitives.h"
#include "skin/draw/scratch_surfaces.h"
#include "tests/draw/canvas_pixels.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/stress.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace taverel::skin;
using namespace taverel::testing;

constexpr int kRounds = 10000;
// Everything that makes a canvas opens a display DC, which costs about a
// millisecond under Wine; a single leaked object per call shows after one
// round already, so fewer rounds keep the run short without hiding a leak.
constexpr int kCanvasRounds = 2000;

void ExpectNoLeak(const char* what, int rounds, const std::function<void()>& work) {
    work();  // first-use allocations of the platform are not leaks
    const std::size_t before = MeasureGdiHeadroom();
    const int scaled = StressCount(rounds);
    for (int i = 0; i < scaled; ++i)
        work();
    EXPECT_EQ(MeasureGdiHeadroom(), before) << what;
}

using NoLeaks = taverel::testing::WithGlyphSheets;

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

// Copies of several sizes in a row, so that a reused surface is smaller or
// larger than the one before, with sources that leave their sheet.
void DrawEveryCopy(HDC dc) {
    DrawSlicedImage(dc, {0, 0, 200, 70}, ButtonFaceSheet(), {0, 21, 7, 21}, {3, 3, 3, 3});
    DrawSlicedImage(dc, {5, 5, 4, 4}, ButtonFaceSheet(), {0, 0, 7, 21}, {3, 3, 3, 3});
    DrawSlicedImage(dc, {10, 10, 30, 20}, HeaderItemSheet(), {6, 0, 6, 20}, {0, 0, 0, 0});
    DrawSlicedImage(dc, {50, 5, 13, 13}, OptionCircleSheet(), {0, 13, 13, 13}, {5, 5, 5, 5},
                    TransparentKey);
    DrawSlicedImage(dc, {70, 5, 100, 40}, OptionCircleSheet(), {0, 39, 13, 13}, {5, 5, 5, 5},
                    TransparentKey);
    DrawTransparent(dc, 20, 40, 9, 8, CheckGlyphSheet(), 0, 0, TransparentKey);
    DrawTransparent(dc, 120, 40, 20, 20, CheckGlyphSheet(), 12, 10, TransparentKey);
}

// The engine holds its surfaces from the first attach to the last detach:
// the pixels are those of surfaces made per call, the number of GDI objects
// held stays within its bound however many copies are drawn, and releasing
// gives every one of them back.
TEST_F(NoLeaks, HeldSurfacesDrawTheSamePixelsWithABoundedNumberOfObjects) {
    const std::size_t before = MeasureGdiHeadroom();
    {
        MemoryCanvas made_per_call = FilledCanvas(200, 70);
        DrawEveryCopy(made_per_call.dc());
        HoldScratchSurfaces();
        MemoryCanvas held = FilledCanvas(200, 70);
        DrawEveryCopy(held.dc());
        EXPECT_EQ(CountMisses(held.dc(), 200, 70,
                              [&](int x, int y) { return GetPixel(made_per_call.dc(), x, y); }),
                  0);
        const int objects = HeldScratchObjectCount();
        EXPECT_GT(objects, 0);
        EXPECT_LE(objects, MaxHeldScratchObjects);
        const int rounds = StressCount(kRounds);
        for (int i = 0; i < rounds; ++i)
            DrawEveryCopy(held.dc());
        EXPECT_EQ(HeldScratchObjectCount(), objects);
        ReleaseScratchSurfaces();
        EXPECT_EQ(HeldScratchObjectCount(), 0);
    }
    EXPECT_EQ(MeasureGdiHeadroom(), before);
}

TEST_F(NoLeaks, BuildingAndReleasingTheGlyphSheets) {
    ExpectNoLeak("sheets", 300, [] {
        BuildGlyphSheets();
        ReleaseGlyphSheets();
    });
    ExpectNoLeak("rebuild", 300, [] { BuildGlyphSheets(); });
}

}  // namespace
