#include "skin/draw/primitives.h"

#include "platform/bitmap_surface.h"
#include "platform/gdi.h"
#include "platform/handles.h"

#include <optional>
#include <utility>

namespace taverel::skin {

namespace {

// destination AND NOT source
constexpr DWORD kMaskOut = 0x00220326;

}  // namespace

void DrawTransparent(HDC dst, int dx, int dy, int width, int height, HDC src, int sx, int sy,
                     COLORREF key, HPALETTE palette) {
    if (width <= 0 || height <= 0)
        return;

    platform::MemoryDc display = platform::CreateDisplayDc();
    platform::Palette halftone;
    if (!palette) {
        halftone = platform::CreateHalftonePaletteFor(display.get());
        palette = halftone.get();
    }
    const COLORREF key_colour = platform::TranslateOleColour(key, palette);

    // Declared in the reverse of their release order: source, work, mask,
    // then the palette this call made, then the display DC.
    std::optional<platform::BitmapSurface> mask;
    std::optional<platform::BitmapSurface> work;
    std::optional<platform::BitmapSurface> source;

    work.emplace(display.get(), platform::CreateCompatibleBitmapFor(display.get(), width, height),
                 palette, FALSE);
    BitBlt(work->dc(), 0, 0, width, height, dst, dx, dy, SRCCOPY);

    platform::Bitmap source_bitmap =
        platform::CreateCompatibleBitmapFor(display.get(), width, height);
    platform::Bitmap mask_bitmap = platform::CreateMonochromeBitmap(width, height);

    source.emplace(display.get(), std::move(source_bitmap), palette, TRUE);
    // A monochrome source takes its colours from these when copied.
    SetBkColor(source->dc(), GetBkColor(src));
    SetTextColor(source->dc(), GetTextColor(src));
    BitBlt(source->dc(), 0, 0, width, height, src, sx, sy, SRCCOPY);

    mask.emplace(display.get(), std::move(mask_bitmap));

    // Colour to monochrome: pixels equal to the background colour become 1.
    SetBkColor(source->dc(), key_colour);
    SetTextColor(source->dc(), 0x00FFFFFF);
    BitBlt(mask->dc(), 0, 0, width, height, source->dc(), 0, 0, SRCCOPY);

    // Monochrome to colour: 1 bits arrive as the background (white), 0 bits
    // as the text colour (black); key pixels of the source turn black.
    SetTextColor(source->dc(), 0x00000000);
    SetBkColor(source->dc(), 0x00FFFFFF);
    BitBlt(source->dc(), 0, 0, width, height, mask->dc(), 0, 0, kMaskOut);

    // The work surface still has a fresh DC's white background and black
    // text: the destination survives under the key, black holes elsewhere.
    BitBlt(work->dc(), 0, 0, width, height, mask->dc(), 0, 0, SRCAND);
    BitBlt(work->dc(), 0, 0, width, height, source->dc(), 0, 0, SRCPAINT);

    BitBlt(dst, dx, dy, width, height, work->dc(), 0, 0, SRCCOPY);

    source.reset();
    work.reset();
    mask.reset();
}

}  // namespace taverel::skin
