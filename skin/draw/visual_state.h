// The look a skinned control shows. The numbers are the values kept in the
// OLDSTATE property and the row of the state in the glyph sheets, so they
// never change.
#pragma once

namespace taverel::skin {

enum class VisualState : int { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

constexpr int VisualStateCount = 4;

constexpr int StateNumber(VisualState state) {
    return static_cast<int>(state);
}

}  // namespace taverel::skin
