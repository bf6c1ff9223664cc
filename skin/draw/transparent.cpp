#include "skin/draw/primitives.h"

#include "platform/gdi.h"
#include "platform/handles.h"
#include "skin/draw/direct_pixels.h"
#include "skin/draw/scratch_surfaces.h"

#include <cstddef>
#include <cstdint>

namespace taverel::skin {

namespace {

// destination AND NOT source
constexpr DWORD kMaskOut = 0x00220326;

// The masking below, done pixel by pixel on 32-bit surfaces: one pass instead
// of four raster operations, two of them between colour and monochrome. The
// results are the same bits: under the key the destination stays (ANDed with
// white, which clears the unused top byte), elsewhere the source arrives.
void MergeUnderKey(const ScratchSurface& work, const ScratchSurface& source, int width, int height,
                   COLORREF key) {
    GdiFlush();
    const std::uint32_t key_pixel = DibPixel(key);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* out = work.pixels() + static_cast<std::size_t>(y) * work.stride();
        const std::uint32_t* in = source.pixels() + static_cast<std::size_t>(y) * source.stride();
        for (int x = 0; x < width; ++x) {
            if ((in[x] & 0x00FFFFFF) == key_pixel)
                out[x] &= 0x00FFFFFF;
            else
                out[x] = in[x];
        }
    }
}

}  // namespace

void DrawTransparent(HDC dst, int dx, int dy, int width, int height, HDC src, int sx, int sy,
                     COLORREF key, HPALETTE palette) {
    if (width <= 0 || height <= 0)
        return;

    const ScratchScope scope;
    if (!palette)
        palette = HeldHalftonePalette();
    const COLORREF key_colour = platform::TranslateOleColour(key, palette);

    const ScratchSurface work(ScratchUse::KeyedWork, width, height);
    const ScratchSurface source(ScratchUse::KeyedSource, width, height);
    if (!work || !source)
        return;
    // Declared after the surfaces, so the palettes go back first.
    const platform::SelectedPalette work_palette(work.dc(), palette, TRUE, FALSE);
    const platform::SelectedPalette source_palette(source.dc(), palette, TRUE, TRUE);

    BitBlt(work.dc(), 0, 0, width, height, dst, dx, dy, SRCCOPY);

    // A monochrome source takes its colours from these when copied. Where
    // the source box leaves the source bitmap nothing arrives, and black
    // stays, as on a new bitmap.
    PatBlt(source.dc(), 0, 0, width, height, BLACKNESS);
    SetBkColor(source.dc(), GetBkColor(src));
    SetTextColor(source.dc(), GetTextColor(src));
    BitBlt(source.dc(), 0, 0, width, height, src, sx, sy, SRCCOPY);

    if (work.pixels() && source.pixels()) {
        MergeUnderKey(work, source, width, height, key_colour);
        BitBlt(dst, dx, dy, width, height, work.dc(), 0, 0, SRCCOPY);
        return;
    }

    const ScratchSurface mask(ScratchUse::KeyedMask, width, height);
    if (!mask)
        return;
    // Colour to monochrome: pixels equal to the background colour become 1.
    SetBkColor(source.dc(), key_colour);
    SetTextColor(source.dc(), 0x00FFFFFF);
    BitBlt(mask.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCCOPY);

    // Monochrome to colour: 1 bits arrive as the background (white), 0 bits
    // as the text colour (black); key pixels of the source turn black.
    SetTextColor(source.dc(), 0x00000000);
    SetBkColor(source.dc(), 0x00FFFFFF);
    BitBlt(source.dc(), 0, 0, width, height, mask.dc(), 0, 0, kMaskOut);

    // The same conversion onto the work surface: the destination survives
    // under the key, black holes elsewhere.
    SetTextColor(work.dc(), 0x00000000);
    SetBkColor(work.dc(), 0x00FFFFFF);
    BitBlt(work.dc(), 0, 0, width, height, mask.dc(), 0, 0, SRCAND);
    BitBlt(work.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCPAINT);

    BitBlt(dst, dx, dy, width, height, work.dc(), 0, 0, SRCCOPY);
}

}  // namespace taverel::skin
