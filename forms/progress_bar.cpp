#include "forms/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace taverel::forms {

DWORD ProgressBar::Style() const {
    DWORD style = WS_BORDER;
    if (orientation_ == ProgressOrientation::Vertical)
        style |= PBS_VERTICAL;
    if (smooth_)
        style |= PBS_SMOOTH;
    return style;
}

int ProgressBar::ScaledPosition(int value, int min, int max) {
    if (max <= min)
        return 0;
    const long long clamped = std::clamp(value, min, max);
    return static_cast<int>((clamped - min) * kProgressScale / (static_cast<long long>(max) - min));
}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    ApplyPosition();
}

void ProgressBar::SetValue(int value) {
    value_ = max_ > min_ ? std::clamp(value, min_, max_) : min_;
    ApplyPosition();
}

void ProgressBar::ApplyPosition() {
    if (Window())
        SendMessageW(Window(), PBM_SETPOS, static_cast<WPARAM>(ScaledPosition(value_, min_, max_)),
                     0);
}

bool ProgressBar::OnCreated() {
    SendMessageW(Window(), PBM_SETRANGE32, 0, kProgressScale);
    ApplyPosition();
    return true;
}

}  // namespace taverel::forms
