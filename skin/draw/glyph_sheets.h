// The five built-in glyph sheets every painter cuts its pictures from. They
// come from no file: their art is made from built-in data once and shared
// read-only by every thread while any thread holds sheets; each thread that
// paints writes it into canvases of its own (a DC serves one thread at a
// time) at its first attach, and releases them at its last give-back or
// when it ends. On a high-DPI screen the painters draw the same art at a
// whole factor: each pixel a factor x factor block, so pixel art is never
// resampled by a fraction and the see-through key stays exact.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

enum class GlyphSheet { ButtonFace, DropButton, CheckGlyph, OptionCircle, HeaderItem };
constexpr int GlyphSheetCount = 5;

// The largest factor: 3 from 288 DPI (300 %) on.
constexpr int MaxGlyphScale = 3;
// The factor the art is drawn at on a screen of `dpi`: 1 below 192 DPI,
// 2 from 192, 3 from 288.
int GlyphScaleForDpi(int dpi);

// The calling thread's sheets. Creates the five canvases (7x84, 15x18,
// 18x24, 13x52, 9x20, in this order) and writes every pixel. Replaces sheets
// that already exist, and drops the enlarged ones.
void BuildGlyphSheets();
// Releases the thread's five canvases in creation order, then any enlarged
// ones; the shared art goes with the last thread's.
void ReleaseGlyphSheets();
bool GlyphSheetsBuilt();
// How many threads hold sheets now, and with them the shared art.
int GlyphArtHolders();

// The calling thread's DC of the sheet, a read-only source for its painters
// (nullptr when not built). At `scale` above 1 the enlarged sheet: the five of that factor are
// built on the first request while the sheets are built, and kept until the
// sheets are released.
HDC GlyphSheetDc(GlyphSheet sheet, int scale = 1);
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
