// Readable visual states in test failures.
#pragma once

#include "skin/draw/visual_state.h"

#include <ostream>

namespace taverel::skin {

inline std::ostream& operator<<(std::ostream& out, VisualState state) {
    static const char* const kNames[] = {"Normal", "Hover", "Pressed", "Disabled"};
    const int n = StateNumber(state);
    return n >= 0 && n < VisualStateCount ? out << kNames[n] : out << "state " << n;
}

}  // namespace taverel::skin
