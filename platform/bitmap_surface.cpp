#include "platform/bitmap_surface.h"

#include <utility>

namespace taverel::platform {

BitmapSurface::BitmapSurface(HDC reference, Bitmap bitmap, HPALETTE palette,
                             BOOL restore_palette_in_background)
    : dc_(CreateCompatibleDC(reference)),
      bitmap_(std::move(bitmap)),
      restore_palette_in_background_(restore_palette_in_background) {
    if (!dc_)
        return;
    if (bitmap_)
        original_bitmap_ = SelectObject(dc_.get(), bitmap_.get());
    if (palette) {
        previous_palette_ = SelectPalette(dc_.get(), palette, TRUE);
        RealizePalette(dc_.get());
    }
}

BitmapSurface::~BitmapSurface() {
    if (dc_ && original_bitmap_)
        SelectObject(dc_.get(), original_bitmap_);
    bitmap_.reset();
    if (dc_ && previous_palette_) {
        SelectPalette(dc_.get(), previous_palette_, restore_palette_in_background_);
        RealizePalette(dc_.get());
    }
    dc_.reset();
}

}  // namespace taverel::platform
