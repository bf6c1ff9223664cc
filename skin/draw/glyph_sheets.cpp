#include "skin/draw/glyph_sheets.h"

#include "platform/gdi.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/direct_pixels.h"
#include "skin/draw/glyph_sheet_data.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace taverel::skin {

namespace {

using SheetSet = std::array<MemoryCanvas, GlyphSheetCount>;

// The sheets, shared by every skinned window: index 0 the art itself, index
// f - 1 the art at factor f (empty until a painter asks for that factor).
std::array<SheetSet, MaxGlyphScale> g_glyph_sheets;

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

// Every pixel of the sheet in one transfer, each pixel of the data a scale x
// scale block: a pixel at a time costs about as much as the rest of attaching
// a window.
void WritePixels(HDC dc, GlyphSheet sheet, int scale) {
    const SIZE size = glyph_data::Size(sheet);
    const int width = size.cx * scale;
    const int height = size.cy * scale;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y) * width + x] =
                DibPixel(glyph_data::Pixel(sheet, x / scale, y / scale));
        }
    }
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info,
                      DIB_RGB_COLORS);
}

// Writes the five sheets with every pixel of the data a scale x scale block.
SheetSet MakeSheets(int scale) {
    SheetSet sheets;
    // One display DC for the five: opening one costs as much as writing a sheet.
    const platform::MemoryDc display = platform::CreateDisplayDc();
    for (GlyphSheet sheet : kSheetOrder) {
        const SIZE size = glyph_data::Size(sheet);
        sheets[IndexOf(sheet)] =
            CreateMemoryCanvas(size.cx * scale, size.cy * scale, display.get());
    }
    // A sheet that could not be made stays empty; writes to it would fail
    // anyway, and copies from it fail in turn.
    for (GlyphSheet sheet : kSheetOrder) {
        if (const HDC dc = sheets[IndexOf(sheet)].dc())
            WritePixels(dc, sheet, scale);
    }
    return sheets;
}

void ReleaseSheets(SheetSet& sheets) {
    for (GlyphSheet sheet : kSheetOrder)
        sheets[IndexOf(sheet)].reset();
}

}  // namespace

int GlyphScaleForDpi(int dpi) {
    const int scale = dpi / 96;
    return scale < 1 ? 1 : scale > MaxGlyphScale ? MaxGlyphScale : scale;
}

void BuildGlyphSheets() {
    SheetSet sheets = MakeSheets(1);
    // Replacing releases any previous set, one sheet after the other.
    for (GlyphSheet sheet : kSheetOrder)
        g_glyph_sheets[0][IndexOf(sheet)] = std::move(sheets[IndexOf(sheet)]);
    for (std::size_t scale = 2; scale <= MaxGlyphScale; ++scale)
        ReleaseSheets(g_glyph_sheets[scale - 1]);
}

void ReleaseGlyphSheets() {
    for (SheetSet& sheets : g_glyph_sheets)
        ReleaseSheets(sheets);
}

bool GlyphSheetsBuilt() {
    for (const MemoryCanvas& sheet : g_glyph_sheets[0]) {
        if (sheet)
            return true;
    }
    return false;
}

HDC GlyphSheetDc(GlyphSheet sheet, int scale) {
    if (IndexOf(sheet) >= GlyphSheetCount || scale < 1 || scale > MaxGlyphScale)
        return nullptr;
    SheetSet& sheets = g_glyph_sheets[static_cast<std::size_t>(scale - 1)];
    if (scale > 1 && !sheets[IndexOf(sheet)] && GlyphSheetsBuilt())
        sheets = MakeSheets(scale);
    return sheets[IndexOf(sheet)].dc();
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
