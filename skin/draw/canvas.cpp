#include "skin/draw/canvas.h"

#include "platform/gdi.h"
#include "platform/handles.h"

#include <utility>

namespace taverel::skin {

MemoryCanvas::MemoryCanvas(MemoryCanvas&& other) noexcept
    : surface_(std::move(other.surface_)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& other) noexcept {
    if (this != &other) {
        surface_ = std::move(other.surface_);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void MemoryCanvas::reset() {
    surface_.reset();
    width_ = 0;
    height_ = 0;
}

MemoryCanvas CreateMemoryCanvas(int width, int height) {
    // CreateCompatibleBitmap answers a zero size with the 1 x 1 monochrome
    // stock bitmap and Wine accepts negative sizes; neither is a canvas.
    if (width <= 0 || height <= 0)
        return {};
    const platform::MemoryDc display = platform::CreateDisplayDc();
    return CreateMemoryCanvas(width, height, display.get());
}

MemoryCanvas CreateMemoryCanvas(int width, int height, HDC reference) {
    if (width <= 0 || height <= 0 || !reference)
        return {};
    platform::Bitmap bitmap = platform::CreateCompatibleBitmapFor(reference, width, height);
    if (!bitmap)
        return {};
    MemoryCanvas canvas;
    canvas.surface_ = platform::BitmapSurface(reference, std::move(bitmap));
    if (!canvas.surface_)
        return {};
    canvas.width_ = width;
    canvas.height_ = height;
    return canvas;
}

}  // namespace taverel::skin
