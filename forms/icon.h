// Owner of an icon loaded with LoadImage (not LR_SHARED): DestroyIcon.
#pragma once

#include "platform/win.h"

#include <utility>

namespace taverel::forms {

class Icon {
public:
    Icon() = default;
    explicit Icon(HICON icon) : icon_(icon) {}
    ~Icon() { reset(); }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    Icon(Icon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
    Icon& operator=(Icon&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.icon_, nullptr));
        return *this;
    }
    HICON get() const { return icon_; }
    void reset(HICON icon = nullptr) {
        if (icon_ && icon_ != icon)
            DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

}  // namespace taverel::forms
