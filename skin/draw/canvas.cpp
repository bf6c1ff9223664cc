#include "skin/draw/canvas.h"

#include "platform/gdi.h"
#include "platform/handles.h"

#include <utility>

namespace taverel::skin {

MemoryCanvas::~MemoryCanvas() {
    reset();
}

MemoryCanvas::MemoryCanvas(MemoryCanvas&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)),
      original_(std::exchange(other.original_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& other) noexcept {
    if (this != &other) {
        reset();
        dc_ = std::exchange(other.dc_, nullptr);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        original_ = std::exchange(other.original_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void MemoryCanvas::reset() {
    // DeleteDC leaves a selected bitmap alive, so the placeholder the DC was
    // born with goes back in first and the bitmap is deleted after the DC.
    if (dc_ && original_)
        SelectObject(dc_, original_);
    if (dc_)
        DeleteDC(dc_);
    if (bitmap_)
        DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    original_ = nullptr;
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
    platform::MemoryDc dc = platform::CreateCompatibleMemoryDc(display.get());
    if (!dc)
        return {};
    platform::Bitmap bitmap = platform::CreateCompatibleBitmapFor(display.get(), width, height);
    if (!bitmap)
        return {};
    HGDIOBJ original = SelectObject(dc.get(), bitmap.get());
    if (!original || original == HGDI_ERROR)
        return {};

    MemoryCanvas canvas;
    canvas.dc_ = dc.release();
    canvas.bitmap_ = bitmap.release();
    canvas.original_ = original;
    canvas.width_ = width;
    canvas.height_ = height;
    return canvas;
}

}  // namespace taverel::skin
