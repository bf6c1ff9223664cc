// A memory DC with a bitmap of its own selected into it and, optionally, a
// palette selected as background palette: the one owner of an off-screen
// surface (canvases and the scratch surfaces of the colour-keyed copy).
// Teardown order is fixed by the order of the members: the original bitmap
// goes back and the surface's bitmap is deleted (a bitmap still selected
// into a DC cannot be deleted, and DeleteDC does not delete it), then the
// previous palette goes back and is realised, then the DC is deleted.
#pragma once

#include "platform/handles.h"
#include "platform/win.h"

namespace taverel::platform {

class BitmapSurface {
public:
    BitmapSurface() = default;
    // `bitmap` is owned from here on, even when the DC cannot be made.
    BitmapSurface(HDC reference, Bitmap bitmap, HPALETTE palette = nullptr,
                  BOOL restore_palette_in_background = FALSE);
    ~BitmapSurface() = default;
    BitmapSurface(const BitmapSurface&) = delete;
    BitmapSurface& operator=(const BitmapSurface&) = delete;
    BitmapSurface(BitmapSurface&& other) noexcept = default;
    BitmapSurface& operator=(BitmapSurface&& other) noexcept;

    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    // True when the DC exists and the bitmap is selected into it.
    explicit operator bool() const { return selection_.previous() != nullptr; }
    // Releases everything in the teardown order; the surface is empty then.
    void reset();

private:
    // Destroyed from the bottom up: that is the teardown order.
    MemoryDc dc_;
    SelectedPalette palette_;
    Bitmap bitmap_;
    SelectedObject selection_;
};

}  // namespace taverel::platform
