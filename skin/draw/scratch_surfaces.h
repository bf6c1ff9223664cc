// The off-screen surfaces the drawing operations compose on. Opening a
// display DC and making a canvas cost hundreds of times a blit of a
// button-sized box, so the engine holds them from a thread's first attach to
// its last give-back, as it holds the glyph sheets: one display DC as the
// reference for everything made compatible with the screen, a halftone
// palette for the colour-keyed copies, and one surface per use, grown in
// whole size classes and never shrunk. Each thread holds a set of its own,
// and every function here works on the calling thread's set.
#pragma once

#include "platform/handles.h"
#include "platform/win.h"

#include <cstdint>

namespace taverel::skin {

// What a surface is used for. Uses that can be active at the same time (a
// painter's composition, the nine slices drawn into it, the colour-keyed copy
// of those) never share a surface.
enum class ScratchUse { Compose, Slices, KeyedWork, KeyedSource, KeyedMask, Count };

// Makes the display DC and the palette; the surfaces follow on first use.
// Holding what is held already changes nothing.
void HoldScratchSurfaces();
// Releases everything held. A surface lent out at the time goes when it is
// given back.
void ReleaseScratchSurfaces();
// GDI objects held right now: DCs, bitmaps and the palette.
int HeldScratchObjectCount();
// The most the held set can come to: the display DC, the palette and, per
// use, a DC with its bitmap.
constexpr int MaxHeldScratchObjects = 2 + 2 * static_cast<int>(ScratchUse::Count);

// Holds the surfaces for as long as it lives unless they are held already:
// a primitive used outside the engine's lifetime makes what it needs once per
// call and leaves nothing behind.
class ScratchScope {
public:
    ScratchScope();
    ~ScratchScope();
    ScratchScope(const ScratchScope&) = delete;
    ScratchScope& operator=(const ScratchScope&) = delete;

private:
    bool made_ = false;
};

// The held halftone palette (nullptr when nothing is held).
HPALETTE HeldHalftonePalette();

// How a surface stores its pixels: like the screen, one bit per pixel, or
// as a 32-bit DIB section the caller can read and write directly (only made
// where the screen itself has 32 bits per pixel, so the pixels are the same).
enum class ScratchFormat { Screen, Monochrome, Direct32 };

// A memory DC with a bitmap of its own selected into it, torn down in the
// safe order (the original bitmap back, the DC, then the bitmap).
struct ScratchBitmap {
    platform::MemoryDc dc;
    platform::Bitmap bitmap;
    HGDIOBJ original = nullptr;
    std::uint32_t* pixels = nullptr;  // Direct32 only: rows top-down, `width` apart
    int width = 0;
    int height = 0;

    ScratchBitmap() = default;
    ScratchBitmap(const ScratchBitmap&) = delete;
    ScratchBitmap& operator=(const ScratchBitmap&) = delete;
    ~ScratchBitmap() { Reset(); }
    void Reset();
    // Makes sure the bitmap holds at least width x height, replacing it by
    // one of the next size class when it does not; false when that fails.
    bool Fit(HDC reference, ScratchFormat format, int width, int height);
    int ObjectCount() const { return (dc ? 1 : 0) + (bitmap ? 1 : 0); }
};

// A surface of at least width x height, lent for one use: monochrome for
// KeyedMask, Direct32 for KeyedWork and KeyedSource where the screen has 32
// bits per pixel, with the screen's format otherwise. Its pixels and DC
// attributes are whatever the previous user left: callers set what they rely
// on. When the use's surface is lent out already (or the box is too large to
// keep), a surface is made for this one use and released with it.
class ScratchSurface {
public:
    ScratchSurface(ScratchUse use, int width, int height);
    ~ScratchSurface();
    ScratchSurface(const ScratchSurface&) = delete;
    ScratchSurface& operator=(const ScratchSurface&) = delete;

    HDC dc() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // The pixels of a Direct32 surface (nullptr otherwise) and the distance
    // between its rows, in pixels. Call GdiFlush before touching them.
    std::uint32_t* pixels() const { return surface_ ? surface_->pixels : nullptr; }
    int stride() const { return surface_ ? surface_->width : 0; }

private:
    ScratchBitmap* surface_ = nullptr;
    // A held surface: the flags of the lending thread's set, cleared and
    // read on return (without a second thread-local look-up).
    bool* lent_ = nullptr;
    const bool* held_ = nullptr;
    ScratchBitmap own_;  // only for a surface made for this one use
    HDC dc_ = nullptr;
};

}  // namespace taverel::skin
