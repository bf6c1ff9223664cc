// How many rounds a long GDI stress loop runs. The full count unless
// TAVEREL_STRESS_PERCENT (1 to 100) asks for a share of it: the x86 tests run
// in an emulated machine, where every GDI call is many times slower, with 10.
#pragma once

namespace taverel::testing {

// `full` scaled by TAVEREL_STRESS_PERCENT, never below 1.
int StressCount(int full);

}  // namespace taverel::testing
