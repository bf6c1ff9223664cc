// An off-screen drawing surface: a display-compatible memory DC with one
// bitmap of fixed size selected into it. The canvas owns both; destroying it
// selects the original bitmap back, deletes the DC and then the bitmap
// (DeleteDC alone would leak the selected bitmap).
#pragma once

#include "platform/win.h"

namespace taverel::skin {

class MemoryCanvas {
public:
    MemoryCanvas() = default;
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    MemoryCanvas(MemoryCanvas&& other) noexcept;
    MemoryCanvas& operator=(MemoryCanvas&& other) noexcept;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset();

private:
    friend MemoryCanvas CreateMemoryCanvas(int width, int height);
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// An empty canvas (operator bool false) when the display context, the memory
// context or the bitmap cannot be made; nothing is left behind then.
MemoryCanvas CreateMemoryCanvas(int width, int height);

}  // namespace taverel::skin
