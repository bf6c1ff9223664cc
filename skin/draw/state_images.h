// The four images of a push button, one per visual state, rendered ahead of
// time so that a state change or a fade step is one blend: each a memory DC
// with a bitmap of the button's size selected into it. One owner for all
// eight handles, torn down in the safe order (the DC first, which lets go of
// its bitmap, then the bitmap), like the scratch surfaces beside it.
//
// The handles also live on the button, in the HDC0..HDC3 / BMP0..BMP3
// properties, where the engine and other readers find them: Release hands
// them over to be kept there and Adopt takes them back.
#pragma once

#include "platform/handles.h"
#include "platform/win.h"
#include "skin/draw/visual_state.h"

namespace taverel::skin {

// The raw handles, indexed by state number; null where an image is missing.
struct StateImageHandles {
    HDC dc[VisualStateCount] = {};
    HBITMAP bitmap[VisualStateCount] = {};
};

class StateImages {
public:
    StateImages() = default;
    // Four images of width x height, compatible with `reference`. An image
    // whose DC cannot be made is missing; one whose bitmap cannot be made
    // keeps its DC with the DC's own one-pixel bitmap.
    StateImages(HDC reference, int width, int height);
    StateImages(StateImages&&) noexcept = default;
    // Not assignable: assigning member by member would delete a bitmap while
    // it is still selected into the DC it replaces.
    StateImages& operator=(StateImages&&) = delete;
    // Owns handles that were kept elsewhere (a window's properties).
    static StateImages Adopt(const StateImageHandles& handles);
    // Hands every handle over, to be kept elsewhere, without deleting it.
    StateImageHandles Release();

    // Selects a new bitmap of width x height into every image that has a DC
    // and deletes the one it replaces; an image whose new bitmap cannot be
    // made keeps its old one.
    void Resize(HDC reference, int width, int height);

private:
    struct Image {
        // Destroyed from the bottom up: the DC, then its bitmap.
        platform::Bitmap bitmap;
        platform::MemoryDc dc;
    };
    Image images_[VisualStateCount];
};

}  // namespace taverel::skin
