// The colour-keyed copy: exactly the non-key pixels land, the rest of the
// destination (filled with a sentinel) stays as it was.
#include "platform/gdi.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "skin/draw/primitives.h"
#include "tests/draw/canvas_pixels.h"

#include <gtest/gtest.h>

namespace {

using namespace taverel::skin;
using namespace taverel::testing;

class Transparent : public taverel::testing::WithGlyphSheets {
protected:
    struct Counts {
        int written = 0;
        int untouched = 0;
        int wrong = 0;
    };

    // Copies the region of CheckGlyphSheet to (3, 2) of a 24 x 24 sentinel
    // canvas and sorts every destination pixel.
    static Counts CopyGlyph(int sx, int sy, int width, int height) {
        MemoryCanvas dst = FilledCanvas(24, 24);
        DrawTransparent(dst.dc(), 3, 2, width, height, CheckGlyphSheet(), sx, sy, TransparentKey);
        Counts counts;
        CountPixels(dst.dc(), 0, 0, 24, 24, [&](int x, int y, COLORREF c) {
            const bool inside = x >= 3 && x < 3 + width && y >= 2 && y < 2 + height;
            const COLORREF source =
                inside ? GlyphSheetPixel(GlyphSheet::CheckGlyph, sx + x - 3, sy + y - 2)
                       : TransparentKey;
            if (source == TransparentKey)
                (c == Sentinel ? counts.untouched : counts.wrong)++;
            else
                (c == source ? counts.written : counts.wrong)++;
            return false;
        });
        counts.untouched -= 24 * 24 - width * height;
        return counts;
    }
};

TEST_F(Transparent, WritesExactlyTheNonKeyPixelsOfEachGlyph) {
    for (int half = 0; half < 2; ++half) {
        const Counts mark = CopyGlyph(9 * half, 0, 9, 8);
        EXPECT_EQ(mark.written, 26);
        EXPECT_EQ(mark.untouched, 46);
        EXPECT_EQ(mark.wrong, 0);
        const Counts square = CopyGlyph(1 + 9 * half, 9, 7, 7);
        EXPECT_EQ(square.written, 49);
        EXPECT_EQ(square.untouched, 0);
        EXPECT_EQ(square.wrong, 0);
        const Counts dot = CopyGlyph(2 + 9 * half, 18, 5, 5);
        EXPECT_EQ(dot.written, 21);
        EXPECT_EQ(dot.untouched, 4);
        EXPECT_EQ(dot.wrong, 0);
    }
}

TEST_F(Transparent, AnAllKeySourceLeavesTheDestinationAlone) {
    MemoryCanvas dst = FilledCanvas(10, 12);
    DrawTransparent(dst.dc(), 1, 1, 7, 10, DropButtonSheet(), 8, 8, TransparentKey);
    EXPECT_EQ(CountChanged(dst.dc(), 10, 12), 0);
}

TEST_F(Transparent, AKeyNoSourcePixelHasGivesAPlainCopy) {
    MemoryCanvas dst = FilledCanvas(7, 21);
    DrawTransparent(dst.dc(), 0, 0, 7, 21, ButtonFaceSheet(), 0, 21, 0x00000001);
    EXPECT_EQ(CountMisses(
                  dst.dc(), 7, 21,
                  [](int x, int y) { return GlyphSheetPixel(GlyphSheet::ButtonFace, x, 21 + y); }),
              0);
}

TEST_F(Transparent, ACallersPaletteIsUsedAndLeftAlive) {
    taverel::platform::MemoryDc display = taverel::platform::CreateDisplayDc();
    taverel::platform::Palette palette = taverel::platform::CreateHalftonePaletteFor(display.get());
    MemoryCanvas dst = FilledCanvas(9, 8);
    DrawTransparent(dst.dc(), 0, 0, 9, 8, CheckGlyphSheet(), 0, 0, TransparentKey, palette.get());
    EXPECT_EQ(GetObjectType(palette.get()), static_cast<DWORD>(OBJ_PAL));
    EXPECT_EQ(GetPixel(dst.dc(), 8, 0), 0x1DB754u);
    EXPECT_EQ(GetPixel(dst.dc(), 0, 0), Sentinel);
}

TEST_F(Transparent, ASystemColourKeyIsTranslatedToItsValue) {
    // An OLE colour with the top bit set names a system colour.
    const COLORREF window_colour = GetSysColor(COLOR_WINDOW);
    MemoryCanvas src = FilledCanvas(4, 1, window_colour);
    SetPixel(src.dc(), 2, 0, 0x00112233);
    MemoryCanvas dst = FilledCanvas(4, 1);
    DrawTransparent(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 0x80000000u | COLOR_WINDOW);
    EXPECT_EQ(GetPixel(dst.dc(), 0, 0), Sentinel);
    EXPECT_EQ(GetPixel(dst.dc(), 2, 0), 0x00112233u);
    EXPECT_EQ(GetPixel(dst.dc(), 3, 0), Sentinel);
}

TEST_F(Transparent, AnEmptyBoxDrawsNothing) {
    MemoryCanvas dst = FilledCanvas(4, 4);
    DrawTransparent(dst.dc(), 0, 0, 0, 4, ButtonFaceSheet(), 0, 0, TransparentKey);
    DrawTransparent(dst.dc(), 0, 0, 4, -1, ButtonFaceSheet(), 0, 0, TransparentKey);
    EXPECT_EQ(CountChanged(dst.dc(), 4, 4), 0);
}

}  // namespace
