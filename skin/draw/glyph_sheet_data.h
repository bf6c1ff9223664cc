// The pixel data of the five glyph sheets, kept as close to the grids it was
// drawn from as the language allows: one source line per pixel row, colours
// as 0x00BBGGRR values (which is also how the grids write them), the two
// letter-coded sheets as strings with their legends.
#pragma once

#include "platform/win.h"
#include "skin/draw/glyph_sheets.h"

namespace taverel::skin::glyph_data {

// The colour of (x, y) on the sheet; the caller keeps x and y inside the sheet.
COLORREF Pixel(GlyphSheet sheet, int x, int y);
SIZE Size(GlyphSheet sheet);

}  // namespace taverel::skin::glyph_data
