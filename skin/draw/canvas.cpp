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
    platform::MemoryDc display = platform::CreateDisplayDc();
    if (!display)
        return {};
    platform::Bitmap bitmap = platform::CreateCompatibleBitmapFor(display.get(), width, height);
    if (!bitmap)
        return {};
    MemoryCanvas canvas;
    canvas.surface_ = platform::BitmapSurface(display.get(), std::move(bitmap));
    if (!canvas.surface_)
        return {};
    canvas.width_ = width;
    canvas.height_ = height;
    return canvas;
}

}  // namespace taverel::skin
