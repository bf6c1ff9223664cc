#include "skin/draw/state_images.h"

#include <utility>

namespace taverel::skin {

StateImages::StateImages(HDC reference, int width, int height) {
    for (Image& image : images_) {
        image.dc.reset(CreateCompatibleDC(reference));
        if (!image.dc)
            continue;
        image.bitmap.reset(CreateCompatibleBitmap(reference, width, height));
        // What the selection hands back is the DC's initial stock bitmap,
        // which is nobody's to delete.
        if (image.bitmap)
            SelectObject(image.dc.get(), image.bitmap.get());
    }
}

StateImages StateImages::Adopt(const StateImageHandles& handles) {
    StateImages images;
    for (int n = 0; n < VisualStateCount; ++n) {
        images.images_[n].bitmap.reset(handles.bitmap[n]);
        images.images_[n].dc.reset(handles.dc[n]);
    }
    return images;
}

StateImageHandles StateImages::Release() {
    StateImageHandles handles;
    for (int n = 0; n < VisualStateCount; ++n) {
        handles.dc[n] = images_[n].dc.release();
        handles.bitmap[n] = images_[n].bitmap.release();
    }
    return handles;
}

void StateImages::Resize(HDC reference, int width, int height) {
    for (Image& image : images_) {
        if (!image.dc)
            continue;
        platform::Bitmap bitmap(CreateCompatibleBitmap(reference, width, height));
        if (!bitmap)
            continue;
        // The bitmap the new one replaces is selected nowhere now.
        SelectObject(image.dc.get(), bitmap.get());
        image.bitmap = std::move(bitmap);
    }
}

}  // namespace taverel::skin
