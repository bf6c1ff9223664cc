// Progress bars; entry points: ProgressBarKind() of the kind table.
#pragma once

#include "platform/win.h"

namespace taverel::skin {

// The filled share of a progress bar: position / 30000 (the skin's bars all
// run over 0..30000), held as a float.
float ProgressFraction(HWND window);

}  // namespace taverel::skin
