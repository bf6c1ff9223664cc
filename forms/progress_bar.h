// A progress bar with its own Min, Max and Value. The window always runs
// over 0..30000 and the value is scaled onto that, the range skinned progress
// bars are drawn in.
#pragma once

#include "forms/control_of_class.h"

namespace taverel::forms {

inline constexpr int kProgressScale = 30000;

enum class ProgressOrientation { Horizontal, Vertical };

class ProgressBar : public ControlOfClass<kProgressBarClass> {
public:
    ProgressBar() = default;

    // Min < Max; a value outside them is held at the nearer end.
    void SetRange(int min, int max);
    void SetValue(int value);
    int Value() const { return value_; }
    void SetOrientation(ProgressOrientation orientation) { orientation_ = orientation; }
    void SetSmooth(bool smooth) { smooth_ = smooth; }

    // The window's position for a value: (value - min) * 30000 / (max - min).
    static int ScaledPosition(int value, int min, int max);

protected:
    DWORD Style() const override;
    bool TakesFocus() const override { return false; }
    bool OnCreated() override;

private:
    void ApplyPosition();

    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
    ProgressOrientation orientation_ = ProgressOrientation::Horizontal;
    bool smooth_ = false;
};

}  // namespace taverel::forms
