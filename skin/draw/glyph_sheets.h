// The five built-in glyph sheets every painter cuts its pictures from. They
// come from no file: their pixels are written one by one when the skin is
// first attached, shared by all skinned windows, and released when the last
// skinned window is given back.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

enum class GlyphSheet { ButtonFace, DropButton, CheckGlyph, OptionCircle, HeaderItem };
constexpr int GlyphSheetCount = 5;

// Creates the five canvases (7x84, 15x18, 18x24, 13x52, 9x20, in this order)
// and writes every pixel. Replaces sheets that already exist.
void BuildGlyphSheets();
// Releases the five canvases in creation order.
void ReleaseGlyphSheets();
bool GlyphSheetsBuilt();

// The sheet's DC, a read-only source for the painters (nullptr when not built).
HDC GlyphSheetDc(GlyphSheet sheet);
inline HDC ButtonFaceSheet() {
    return GlyphSheetDc(GlyphSheet::ButtonFace);
}
inline HDC DropButtonSheet() {
    return GlyphSheetDc(GlyphSheet::DropButton);
}
inline HDC CheckGlyphSheet() {
    return GlyphSheetDc(GlyphSheet::CheckGlyph);
}
inline HDC OptionCircleSheet() {
    return GlyphSheetDc(GlyphSheet::OptionCircle);
}
inline HDC HeaderItemSheet() {
    return GlyphSheetDc(GlyphSheet::HeaderItem);
}

SIZE GlyphSheetSize(GlyphSheet sheet);
// The colour the sheet's grid defines for (x, y), from the built-in data.
COLORREF GlyphSheetPixel(GlyphSheet sheet, int x, int y);

}  // namespace taverel::skin
