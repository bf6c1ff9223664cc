// A memory DC with a bitmap of its own selected into it and, optionally, a
// palette selected as background palette: the scratch surfaces of the
// colour-keyed copy. Teardown order is fixed: the original bitmap goes back
// and the surface's bitmap is deleted (a bitmap still selected into a DC
// cannot be deleted, and DeleteDC does not delete it), then the previous
// palette goes back and is realised, then the DC is deleted.
#pragma once

#include "platform/handles.h"
#include "platform/win.h"

namespace taverel::platform {

class BitmapSurface {
public:
    // `bitmap` is owned from here on, even when the DC cannot be made.
    BitmapSurface(HDC reference, Bitmap bitmap, HPALETTE palette = nullptr,
                  BOOL restore_palette_in_background = FALSE);
    ~BitmapSurface();
    BitmapSurface(const BitmapSurface&) = delete;
    BitmapSurface& operator=(const BitmapSurface&) = delete;

    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    HGDIOBJ original_bitmap_ = nullptr;
    HPALETTE previous_palette_ = nullptr;
    BOOL restore_palette_in_background_ = FALSE;
};

}  // namespace taverel::platform
