// Nine-slice copies read back pixel by pixel against the glyph data.
#include "skin/draw/colours.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "tests/draw/canvas_pixels.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace taverel::skin;
using namespace taverel::testing;

class SlicedImage : public taverel::testing::WithGlyphSheets {
protected:
    static COLORREF Face(int face, int x, int y) {
        return GlyphSheetPixel(GlyphSheet::ButtonFace, x, 21 * face + y);
    }
};

TEST_F(SlicedImage, ButtonFaceOntoA75By25BoxKeepsCornersAndStretchesEdgesAlongTheirLength) {
    MemoryCanvas dst = FilledCanvas(81, 29);
    for (int face = 0; face < 4; ++face) {
        EXPECT_NE(DrawGlyph(dst.dc(), {3, 2, 75, 25}, atlas::ButtonFace(VisualState(face))), 0);
        auto at = [&](int x, int y) { return GetPixel(dst.dc(), 3 + x, 2 + y); };
        // Corners, 3 x 3 each, unchanged.
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(at(x, y), Face(face, x, y));
                EXPECT_EQ(at(72 + x, y), Face(face, 4 + x, y));
                EXPECT_EQ(at(x, 22 + y), Face(face, x, 18 + y));
                EXPECT_EQ(at(72 + x, 22 + y), Face(face, 4 + x, 18 + y));
            }
        }
        // Top and bottom edges: the single middle column, repeated across.
        for (int x = 3; x < 72; ++x) {
            for (int y = 0; y < 3; ++y) {
                EXPECT_EQ(at(x, y), Face(face, 3, y));
                EXPECT_EQ(at(x, 22 + y), Face(face, 3, 18 + y));
            }
        }
        // Rows 3..21 each repeat one source row of 3..17, in order, every one
        // of them at least once; within a row the side columns keep their
        // width and the centre repeats the middle column.
        int previous = 3;
        std::set<int> rows_used;
        for (int y = 3; y < 22; ++y) {
            int source_row = -1;
            for (int r = previous; r < 18 && source_row < 0; ++r) {
                if (at(0, y) == Face(face, 0, r) && at(1, y) == Face(face, 1, r) &&
                    at(2, y) == Face(face, 2, r))
                    source_row = r;
            }
            ASSERT_GE(source_row, 0) << "face " << face << " row " << y;
            rows_used.insert(source_row);
            previous = source_row;
            for (int x = 3; x < 72; ++x)
                EXPECT_EQ(at(x, y), Face(face, 3, source_row)) << x << "," << y;
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(at(72 + x, y), Face(face, 4 + x, source_row));
        }
        EXPECT_EQ(rows_used.size(), 15u);
        // Around the box nothing was touched.
        EXPECT_EQ(CountPixels(dst.dc(), 0, 0, 81, 29,
                              [](int x, int y, COLORREF c) {
                                  const bool inside = x >= 3 && x < 78 && y >= 2 && y < 27;
                                  return inside == (c == Sentinel);
                              }),
                  0);
    }
}

TEST_F(SlicedImage, SameSizeCopyIsTheSourcePixelForPixel) {
    MemoryCanvas dst = FilledCanvas(9, 20);
    for (int i = 0; i < 3; ++i) {
        DrawSlicedImage(dst.dc(), {3 * i, 0, 3, 20}, HeaderItemSheet(), {3 * i, 0, 3, 20},
                        {1, 1, 1, 1});
    }
    EXPECT_EQ(
        CountMisses(dst.dc(), 9, 20,
                    [](int x, int y) { return GlyphSheetPixel(GlyphSheet::HeaderItem, x, y); }),
        0);
    MemoryCanvas drop = FilledCanvas(4, 18);
    DrawGlyph(drop.dc(), {0, 0, 4, 18}, atlas::DropButtonPressed);
    EXPECT_EQ(
        CountMisses(drop.dc(), 4, 18,
                    [](int x, int y) { return GlyphSheetPixel(GlyphSheet::DropButton, 4 + x, y); }),
        0);
}

TEST_F(SlicedImage, ZeroOrNegativeSizesDrawNothingAndReturnZero) {
    MemoryCanvas dst = FilledCanvas(20, 30);
    const HDC src = ButtonFaceSheet();
    EXPECT_EQ(DrawSlicedImage(dst.dc(), {0, 0, 0, 21}, src, {0, 0, 7, 21}, {3, 3, 3, 3}), 0);
    EXPECT_EQ(DrawSlicedImage(dst.dc(), {0, 0, 7, 0}, src, {0, 0, 7, 21}, {3, 3, 3, 3}), 0);
    EXPECT_EQ(DrawSlicedImage(dst.dc(), {0, 0, 7, 21}, src, {0, 0, 0, 21}, {3, 3, 3, 3}), 0);
    EXPECT_EQ(DrawSlicedImage(dst.dc(), {0, 0, 7, 21}, src, {0, 0, 7, 0}, {3, 3, 3, 3}), 0);
    EXPECT_EQ(
        DrawSlicedImage(dst.dc(), {0, 0, 0, 0}, src, {0, 0, 7, 21}, {0, 0, 0, 0}, TransparentKey),
        0);
    EXPECT_EQ(DrawSlicedImage(dst.dc(), {0, 0, -7, 21}, src, {0, 0, 7, 21}, {3, 3, 3, 3}), 0);
    EXPECT_EQ(
        DrawSlicedImage(dst.dc(), {0, 0, 7, -21}, src, {0, 0, 7, 21}, {3, 3, 3, 3}, TransparentKey),
        0);
    EXPECT_EQ(CountChanged(dst.dc(), 20, 30), 0);
}

TEST_F(SlicedImage, ABoxSmallerThanItsMarginsStaysInsideTheBox) {
    // The edge and centre extents turn negative; whatever the platform makes
    // of them, it happens on the canvas, never around the box.
    MemoryCanvas dst = FilledCanvas(12, 12);
    EXPECT_NE(
        DrawSlicedImage(dst.dc(), {4, 4, 4, 4}, ButtonFaceSheet(), {0, 0, 7, 21}, {3, 3, 3, 3}), 0);
    EXPECT_EQ(CountPixels(dst.dc(), 0, 0, 12, 12,
                          [](int x, int y, COLORREF c) {
                              const bool inside = x >= 4 && x < 8 && y >= 4 && y < 8;
                              return !inside && c != Sentinel;
                          }),
              0);
}

TEST_F(SlicedImage, AllMarginsZeroIsOnePlainStretch) {
    // Header strip 1 (3 x 20) onto 9 x 40: each pixel becomes a 3 x 2 block.
    MemoryCanvas dst = FilledCanvas(9, 40);
    EXPECT_NE(
        DrawSlicedImage(dst.dc(), {0, 0, 9, 40}, HeaderItemSheet(), {3, 0, 3, 20}, {0, 0, 0, 0}),
        0);
    EXPECT_EQ(CountMisses(dst.dc(), 9, 40,
                          [](int x, int y) {
                              return GlyphSheetPixel(GlyphSheet::HeaderItem, 3 + x / 3, y / 2);
                          }),
              0);
}

TEST_F(SlicedImage, NegativeMarginsShiftTheSourceOfTheSingleStretch) {
    // Margins -1, -1, 0, 0 take the source box from (sx - 1, sy - 1) at the
    // given size: a same-size copy shifted by one pixel.
    MemoryCanvas dst = FilledCanvas(3, 19);
    DrawSlicedImage(dst.dc(), {0, 0, 3, 19}, HeaderItemSheet(), {4, 1, 3, 19}, {-1, -1, 0, 0});
    EXPECT_EQ(
        CountMisses(dst.dc(), 3, 19,
                    [](int x, int y) { return GlyphSheetPixel(GlyphSheet::HeaderItem, 3 + x, y); }),
        0);
}

TEST_F(SlicedImage, KeyedOptionCircleLeavesTheKeyCornersUntouchedAndReturnsOne) {
    MemoryCanvas dst = FilledCanvas(17, 17);
    for (int state = 0; state < 4; ++state) {
        taverel::skin::FillSolidRect(dst.dc(), 0, 0, 17, 17, Sentinel);
        EXPECT_EQ(DrawGlyph(dst.dc(), {2, 2, 13, 13}, atlas::OptionCircle(VisualState(state)),
                            TransparentKey),
                  1);
        int untouched = 0;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 17; ++x) {
                const COLORREF got = GetPixel(dst.dc(), x, y);
                const bool inside = x >= 2 && x < 15 && y >= 2 && y < 15;
                const COLORREF want =
                    inside ? GlyphSheetPixel(GlyphSheet::OptionCircle, x - 2, 13 * state + y - 2)
                           : TransparentKey;
                if (want == TransparentKey) {
                    EXPECT_EQ(got, Sentinel) << x << "," << y;
                    untouched += inside ? 1 : 0;
                } else {
                    EXPECT_EQ(got, want) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(untouched, 24);
    }
}

}  // namespace
