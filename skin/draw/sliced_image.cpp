#include "skin/draw/primitives.h"
#include "skin/draw/scratch_surfaces.h"

namespace taverel::skin {

int DrawSlicedImage(HDC dst, Box to, HDC src, Box from, Margins keep, std::optional<COLORREF> key) {
    const int dx = to.x, dy = to.y, dw = to.width, dh = to.height;
    const int sx = from.x, sy = from.y, sw = from.width, sh = from.height;
    const int left = keep.left, top = keep.top, right = keep.right, bottom = keep.bottom;
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return 0;
    // Unscaled, the nine slices put every source pixel back where it was: a
    // keyed copy of the source box draws the same (an option circle at the
    // usual check-mark size), without composing the slices first.
    const bool whole_margins = left >= 0 && top >= 0 && right >= 0 && bottom >= 0 &&
                               left + right <= sw && top + bottom <= sh;
    if (key && whole_margins && dw > 0 && dh > 0 && dw == sw && dh == sh) {
        DrawTransparent(dst, dx, dy, dw, dh, src, sx, sy, *key, nullptr);
        return 1;
    }
    // Everything is composed off screen first so the destination sees one
    // opaque (or one keyed) write, never the slices one by one.
    const ScratchScope scope;
    const ScratchSurface canvas(ScratchUse::Slices, dw, dh);
    if (!canvas)
        return 0;
    const HDC c = canvas.dc();
    // A slice the platform declines (an empty or out-of-range source) leaves
    // black behind, as on a new bitmap, not the previous user's pixels.
    PatBlt(c, 0, 0, dw, dh, BLACKNESS);

    if (left <= 0 && top <= 0 && right <= 0 && bottom <= 0) {
        // With no margin to keep, one stretch. Non-positive margins still
        // shift the source box as given; all zero is the plain stretch.
        StretchBlt(c, 0, 0, dw, dh, src, sx + left, sy + top, sw - right, sh - bottom, SRCCOPY);
    } else {
        if (left > 0 && top > 0)
            BitBlt(c, 0, 0, left, top, src, sx, sy, SRCCOPY);
        if (right > 0 && top > 0)
            BitBlt(c, dw - right, 0, right, top, src, sx + sw - right, sy, SRCCOPY);
        if (left > 0 && bottom > 0)
            BitBlt(c, 0, dh - bottom, left, bottom, src, sx, sy + sh - bottom, SRCCOPY);
        if (right > 0 && bottom > 0)
            BitBlt(c, dw - right, dh - bottom, right, bottom, src, sx + sw - right,
                   sy + sh - bottom, SRCCOPY);

        const int src_middle_w = sw - left - right;
        const int src_middle_h = sh - top - bottom;
        const int dst_middle_w = dw - left - right;
        const int dst_middle_h = dh - top - bottom;
        if (left > 0)
            StretchBlt(c, 0, top, left, dst_middle_h, src, sx, sy + top, left, src_middle_h,
                       SRCCOPY);
        if (right > 0)
            StretchBlt(c, dw - right, top, right, dst_middle_h, src, sx + sw - right, sy + top,
                       right, src_middle_h, SRCCOPY);
        if (top > 0)
            StretchBlt(c, left, 0, dst_middle_w, top, src, sx + left, sy, src_middle_w, top,
                       SRCCOPY);
        if (bottom > 0)
            StretchBlt(c, left, dh - bottom, dst_middle_w, bottom, src, sx + left, sy + sh - bottom,
                       src_middle_w, bottom, SRCCOPY);
        StretchBlt(c, left, top, dst_middle_w, dst_middle_h, src, sx + left, sy + top, src_middle_w,
                   src_middle_h, SRCCOPY);
    }

    if (key) {
        DrawTransparent(dst, dx, dy, dw, dh, c, 0, 0, *key, nullptr);
        return 1;
    }
    return BitBlt(dst, dx, dy, dw, dh, c, 0, 0, SRCCOPY);
}

}  // namespace taverel::skin
