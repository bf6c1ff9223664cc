// The built-in glyph sheets: the transcribed data is checked against the
// facts the pictures are known by (sizes, colour counts, key regions), and
// the built canvases are read back pixel by pixel.
#include "skin/draw/colours.h"
#include "skin/draw/glyph_atlas.h"
#include "tests/draw/canvas_pixels.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using namespace taverel::skin;
using taverel::testing::CountPixels;

constexpr GlyphSheet kAllSheets[] = {GlyphSheet::ButtonFace, GlyphSheet::DropButton,
                                     GlyphSheet::CheckGlyph, GlyphSheet::OptionCircle,
                                     GlyphSheet::HeaderItem};

int CountDataPixels(GlyphSheet sheet, int x, int y, int width, int height, bool key) {
    int count = 0;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            count += (GlyphSheetPixel(sheet, column, row) == TransparentKey) == key ? 1 : 0;
    return count;
}

TEST(GlyphSheetData, SizesPixelCountsAndDistinctColoursMatchTheKnownPictures) {
    const int pixels[] = {588, 270, 432, 676, 180};
    const std::size_t colours[] = {222, 40, 46, 158, 106};
    const SIZE sizes[] = {{7, 84}, {15, 18}, {18, 24}, {13, 52}, {9, 20}};
    int total = 0;
    for (int i = 0; i < GlyphSheetCount; ++i) {
        const GlyphSheet sheet = kAllSheets[i];
        const SIZE size = GlyphSheetSize(sheet);
        EXPECT_EQ(size.cx, sizes[i].cx);
        EXPECT_EQ(size.cy, sizes[i].cy);
        EXPECT_EQ(size.cx * size.cy, pixels[i]);
        total += size.cx * size.cy;
        std::set<COLORREF> distinct;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                distinct.insert(GlyphSheetPixel(sheet, x, y));
        EXPECT_EQ(distinct.size(), colours[i]) << "sheet " << i;
    }
    EXPECT_EQ(total, 2146);
}

// Every named region lies inside its sheet and keeps margins that leave a
// middle to stretch; a region moved off its sheet would copy nothing.
TEST(GlyphAtlas, EveryRegionFitsItsSheetWithItsMargins) {
    using namespace atlas;
    std::vector<GlyphRegion> regions{
        DropButtonHover, DropButtonPressed, DropArrow,           DropArrowDisabled,
        CheckMark,       CheckMarkDisabled, IndeterminateSquare, IndeterminateSquareDisabled,
        OptionDot,       OptionDotDisabled, CheckBoxHoverFill,   CheckBoxPressedFill,
        HeaderBackground};
    for (int n = 0; n < VisualStateCount; ++n) {
        regions.push_back(ButtonFace(VisualState(n)));
        regions.push_back(OptionCircle(VisualState(n)));
        regions.push_back(HeaderItem(VisualState(n)));
    }
    for (const GlyphRegion& r : regions) {
        const SIZE size = GlyphSheetSize(r.sheet);
        EXPECT_TRUE(r.box.x >= 0 && r.box.y >= 0 && r.box.width > 0 && r.box.height > 0 &&
                    r.box.x + r.box.width <= size.cx && r.box.y + r.box.height <= size.cy)
            << int(r.sheet) << " at " << r.box.x << "," << r.box.y;
        EXPECT_LT(r.keep.left + r.keep.right, r.box.width) << int(r.sheet);
        EXPECT_LT(r.keep.top + r.keep.bottom, r.box.height) << int(r.sheet);
    }
    // The disabled circle is the fourth row; header items run normal, hover, pressed.
    EXPECT_EQ(OptionCircle(VisualState::Disabled).box.y, 39);
    EXPECT_EQ(HeaderItem(VisualState::Pressed).box.x, 6);
    EXPECT_EQ(HeaderItem(VisualState::Disabled).box.x, 0);
}

TEST(GlyphSheetData, KeyColourSitsExactlyWhereThePicturesAreSeeThrough) {
    // No opaque region holds the key.
    EXPECT_EQ(CountDataPixels(GlyphSheet::ButtonFace, 0, 0, 7, 84, true), 0);
    EXPECT_EQ(CountDataPixels(GlyphSheet::HeaderItem, 0, 0, 9, 20, true), 0);
    EXPECT_EQ(CountDataPixels(GlyphSheet::DropButton, 0, 0, 8, 18, true), 0);
    // Below the arrows the drop-button sheet is all key.
    EXPECT_EQ(CountDataPixels(GlyphSheet::DropButton, 8, 8, 7, 10, false), 0);
    // Arrows are triangles 7 + 5 + 3 + 1 wide.
    EXPECT_EQ(CountDataPixels(GlyphSheet::DropButton, 8, 0, 7, 4, false), 16);
    EXPECT_EQ(CountDataPixels(GlyphSheet::DropButton, 8, 4, 7, 4, false), 16);
    // Each circle has 24 key-coloured corner pixels.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(CountDataPixels(GlyphSheet::OptionCircle, 0, 13 * i, 13, 13, true), 24) << i;
    // Check mark 26, square 49, option dot 21 opaque pixels, both colourings.
    for (int half = 0; half < 2; ++half) {
        EXPECT_EQ(CountDataPixels(GlyphSheet::CheckGlyph, 9 * half, 0, 9, 8, false), 26);
        EXPECT_EQ(CountDataPixels(GlyphSheet::CheckGlyph, 1 + 9 * half, 9, 7, 7, false), 49);
        EXPECT_EQ(CountDataPixels(GlyphSheet::CheckGlyph, 2 + 9 * half, 18, 5, 5, false), 21);
    }
    EXPECT_EQ(CountDataPixels(GlyphSheet::CheckGlyph, 0, 0, 18, 24, false), 2 * (26 + 49 + 21));
}

class GlyphSheets : public ::testing::Test {
protected:
    void SetUp() override { BuildGlyphSheets(); }
    void TearDown() override { ReleaseGlyphSheets(); }
};

// Enlarged sheets too: each grid pixel a block of the factor, the key exact.
TEST_F(GlyphSheets, EveryPixelReadsBackAsItsGridValueAtEveryFactor) {
    ASSERT_TRUE(GlyphSheetsBuilt());
    for (int scale = 1; scale <= MaxGlyphScale; ++scale) {
        int checked = 0;
        for (GlyphSheet sheet : kAllSheets) {
            const HDC dc = GlyphSheetDc(sheet, scale);
            ASSERT_NE(dc, nullptr);
            const SIZE size = GlyphSheetSize(sheet);
            BITMAP info{};
            GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info);
            EXPECT_EQ(info.bmWidth, size.cx * scale);
            EXPECT_EQ(info.bmHeight, size.cy * scale);
            checked += CountPixels(dc, 0, 0, size.cx * scale, size.cy * scale,
                                   [&](int x, int y, COLORREF c) {
                                       EXPECT_EQ(c, GlyphSheetPixel(sheet, x / scale, y / scale))
                                           << "sheet " << static_cast<int>(sheet) << " at " << x
                                           << "," << y << " x" << scale;
                                       return true;
                                   });
        }
        EXPECT_EQ(checked, 2146 * scale * scale);
    }
    EXPECT_EQ(GlyphScaleForDpi(96), 1);
    EXPECT_EQ(GlyphScaleForDpi(191), 1);
    EXPECT_EQ(GlyphScaleForDpi(192), 2);
    EXPECT_EQ(GlyphScaleForDpi(287), 2);
    EXPECT_EQ(GlyphScaleForDpi(288), 3);
    EXPECT_EQ(GlyphScaleForDpi(480), 3);
}

TEST_F(GlyphSheets, SpotValuesFromTheGrids) {
    struct Spot {
        HDC dc;
        int x, y;
        COLORREF colour;
    };
    const Spot spots[] = {
        {ButtonFaceSheet(), 0, 0, 0xF9E1BF},     {ButtonFaceSheet(), 3, 0, 0xD58F1B},
        {ButtonFaceSheet(), 4, 24, 0xFEE4B0},    {ButtonFaceSheet(), 4, 37, 0xF3D094},
        {ButtonFaceSheet(), 6, 82, 0xEED3AA},    {ButtonFaceSheet(), 0, 83, 0xFBF6F2},
        {DropButtonSheet(), 0, 0, 0xD1A04E},     {DropButtonSheet(), 1, 0, 0xFFF9E8},
        {DropButtonSheet(), 11, 3, 0x5F5519},    {DropButtonSheet(), 8, 4, 0xACA584},
        {DropButtonSheet(), 14, 17, 0xFF00FF},   {DropButtonSheet(), 6, 9, 0xEFD191},
        {CheckGlyphSheet(), 8, 0, 0x1DB754},     {CheckGlyphSheet(), 17, 0, 0x8CDAA8},
        {CheckGlyphSheet(), 3, 7, 0x029135},     {CheckGlyphSheet(), 4, 18, 0x28BA5C},
        {CheckGlyphSheet(), 13, 22, 0x87CC9F},   {CheckGlyphSheet(), 0, 23, 0xFF00FF},
        {OptionCircleSheet(), 0, 0, 0xFF00FF},   {OptionCircleSheet(), 0, 32, 0xC18964},
        {OptionCircleSheet(), 11, 17, 0xFAF1D6}, {OptionCircleSheet(), 12, 51, 0xFF00FF},
        {OptionCircleSheet(), 6, 45, 0xFFFFFF},  {HeaderItemSheet(), 0, 0, 0xFEF5EA},
        {HeaderItemSheet(), 6, 5, 0xFAC25E},     {HeaderItemSheet(), 8, 19, 0xF2DAC0},
        {HeaderItemSheet(), 7, 17, 0xFFF2C8},
    };
    for (const Spot& spot : spots)
        EXPECT_EQ(GetPixel(spot.dc, spot.x, spot.y), spot.colour) << spot.x << "," << spot.y;
}

TEST_F(GlyphSheets, ReleaseEmptiesEveryHandleAndABuildMakesThemAnew) {
    HDC old_dcs[GlyphSheetCount];
    HDC old_doubled[GlyphSheetCount];
    for (int i = 0; i < GlyphSheetCount; ++i) {
        old_dcs[i] = GlyphSheetDc(kAllSheets[i]);
        old_doubled[i] = GlyphSheetDc(kAllSheets[i], 2);
    }
    ReleaseGlyphSheets();
    EXPECT_FALSE(GlyphSheetsBuilt());
    for (int i = 0; i < GlyphSheetCount; ++i) {
        EXPECT_EQ(GlyphSheetDc(kAllSheets[i]), nullptr);
        // Not made anew without the sheets they enlarge.
        EXPECT_EQ(GlyphSheetDc(kAllSheets[i], 2), nullptr);
        EXPECT_EQ(GetObjectType(old_dcs[i]), 0u);
        EXPECT_EQ(GetObjectType(old_doubled[i]), 0u);
    }
    BuildGlyphSheets();
    EXPECT_TRUE(GlyphSheetsBuilt());
    EXPECT_EQ(GetPixel(OptionCircleSheet(), 6, 26), 0xC18964u);
}

TEST_F(GlyphSheets, BuildingAgainReplacesTheSheetsAndReleasesTheOldOnes) {
    const HDC old_dc = ButtonFaceSheet();
    BuildGlyphSheets();
    // The new set is made before the old one goes, so no handle is reused.
    EXPECT_NE(ButtonFaceSheet(), old_dc);
    EXPECT_EQ(GetObjectType(old_dc), 0u);
    EXPECT_EQ(GetPixel(ButtonFaceSheet(), 3, 0), 0xD58F1Bu);
}

}  // namespace
