// An off-screen drawing surface: a display-compatible memory DC with one
// bitmap of fixed size selected into it. The canvas owns both through the
// platform's surface owner, which selects the original bitmap back, deletes
// the bitmap and then the DC (DeleteDC alone would leak the selected bitmap).
#pragma once

#include "platform/bitmap_surface.h"
#include "platform/win.h"

namespace taverel::skin {

class MemoryCanvas {
public:
    MemoryCanvas() = default;
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    MemoryCanvas(MemoryCanvas&& other) noexcept;
    MemoryCanvas& operator=(MemoryCanvas&& other) noexcept;

    HDC dc() const { return surface_.dc(); }
    int width() const { return width_; }
    int height() const { return height_; }
    explicit operator bool() const { return static_cast<bool>(surface_); }
    void reset();

private:
    friend MemoryCanvas CreateMemoryCanvas(int width, int height, HDC reference);
    platform::BitmapSurface surface_;
    int width_ = 0;
    int height_ = 0;
};

// An empty canvas (operator bool false) when the display context, the memory
// context or the bitmap cannot be made; nothing is left behind then.
MemoryCanvas CreateMemoryCanvas(int width, int height);
// The same, compatible with `reference` (a display DC the caller holds, so
// that several canvases need not open one each).
MemoryCanvas CreateMemoryCanvas(int width, int height, HDC reference);

}  // namespace taverel::skin
