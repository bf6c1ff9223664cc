#include "skin/draw/glyph_atlas.h"

#include "platform/dpi.h"
#include "skin/draw/colours.h"
#include "skin/draw/primitives.h"

namespace taverel::skin {

int GlyphScaleOf(HWND window) {
    return GlyphScaleForDpi(platform::WindowDpi(window));
}

int DrawGlyph(HDC dc, Box to, const GlyphRegion& region, std::optional<COLORREF> key) {
    return DrawSlicedImage(dc, to, GlyphSheetDc(region.sheet, region.scale), region.box,
                           region.keep, key);
}

void DrawGlyphTransparent(HDC dc, int x, int y, const GlyphRegion& region) {
    DrawTransparent(dc, x, y, region.box.width, region.box.height,
                    GlyphSheetDc(region.sheet, region.scale), region.box.x, region.box.y,
                    TransparentKey);
}

BOOL StretchGlyph(HDC dc, Box to, const GlyphRegion& region) {
    return StretchBlt(dc, to.x, to.y, to.width, to.height, GlyphSheetDc(region.sheet, region.scale),
                      region.box.x, region.box.y, region.box.width, region.box.height, SRCCOPY);
}

}  // namespace taverel::skin
