#include "platform/bitmap_surface.h"

#include <utility>

namespace taverel::platform {

BitmapSurface::BitmapSurface(HDC reference, Bitmap bitmap, HPALETTE palette,
                             BOOL restore_palette_in_background)
    : dc_(CreateCompatibleDC(reference)), bitmap_(std::move(bitmap)) {
    if (!dc_)
        return;
    if (bitmap_)
        selection_ = SelectedObject(dc_.get(), bitmap_.get());
    if (palette)
        palette_ = SelectedPalette(dc_.get(), palette, TRUE, restore_palette_in_background);
}

BitmapSurface& BitmapSurface::operator=(BitmapSurface&& other) noexcept {
    if (this != &other) {
        reset();
        dc_ = std::move(other.dc_);
        palette_ = std::move(other.palette_);
        bitmap_ = std::move(other.bitmap_);
        selection_ = std::move(other.selection_);
    }
    return *this;
}

void BitmapSurface::reset() {
    selection_.reset();
    bitmap_.reset();
    palette_.reset();
    dc_.reset();
}

}  // namespace taverel::platform
