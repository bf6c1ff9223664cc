#include "skin/draw/glyph_sheets.h"

#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheet_data.h"

#include <array>
#include <cstddef>
#include <utility>

namespace taverel::skin {

namespace {

// The five sheets, shared by every skinned window, in creation order.
std::array<MemoryCanvas, GlyphSheetCount> g_glyph_sheets;

constexpr std::array<GlyphSheet, GlyphSheetCount> kSheetOrder = {
    GlyphSheet::ButtonFace, GlyphSheet::DropButton, GlyphSheet::CheckGlyph,
    GlyphSheet::OptionCircle, GlyphSheet::HeaderItem};

std::size_t IndexOf(GlyphSheet sheet) {
    return static_cast<std::size_t>(sheet);
}

bool Inside(GlyphSheet sheet, int x, int y) {
    const SIZE size = glyph_data::Size(sheet);
    return IndexOf(sheet) < GlyphSheetCount && x >= 0 && y >= 0 && x < size.cx && y < size.cy;
}

}  // namespace

void BuildGlyphSheets() {
    std::array<MemoryCanvas, GlyphSheetCount> sheets;
    for (GlyphSheet sheet : kSheetOrder) {
        const SIZE size = glyph_data::Size(sheet);
        sheets[IndexOf(sheet)] = CreateMemoryCanvas(size.cx, size.cy);
    }
    // A sheet that could not be made stays empty; writes to it would fail
    // anyway, and copies from it fail in turn.
    for (GlyphSheet sheet : kSheetOrder) {
        const HDC dc = sheets[IndexOf(sheet)].dc();
        if (!dc)
            continue;
        const SIZE size = glyph_data::Size(sheet);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x)
                SetPixel(dc, x, y, glyph_data::Pixel(sheet, x, y));
        }
    }
    // Replacing releases any previous set, one sheet after the other.
    for (GlyphSheet sheet : kSheetOrder)
        g_glyph_sheets[IndexOf(sheet)] = std::move(sheets[IndexOf(sheet)]);
}

void ReleaseGlyphSheets() {
    for (GlyphSheet sheet : kSheetOrder)
        g_glyph_sheets[IndexOf(sheet)].reset();
}

bool GlyphSheetsBuilt() {
    for (const MemoryCanvas& sheet : g_glyph_sheets) {
        if (sheet)
            return true;
    }
    return false;
}

HDC GlyphSheetDc(GlyphSheet sheet) {
    if (IndexOf(sheet) >= GlyphSheetCount)
        return nullptr;
    return g_glyph_sheets[IndexOf(sheet)].dc();
}

SIZE GlyphSheetSize(GlyphSheet sheet) {
    return glyph_data::Size(sheet);
}

COLORREF GlyphSheetPixel(GlyphSheet sheet, int x, int y) {
    // Outside the sheet there is nothing to show: the see-through colour.
    if (!Inside(sheet, x, y))
        return TransparentKey;
    return glyph_data::Pixel(sheet, x, y);
}

}  // namespace taverel::skin
