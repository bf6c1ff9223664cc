#include "tests/support/stress.h"

#include <cstdlib>

namespace taverel::testing {

int StressCount(int full) {
    const char* text = std::getenv("TAVEREL_STRESS_PERCENT");
    const int percent = text ? std::atoi(text) : 100;
    if (percent <= 0 || percent >= 100)
        return full;
    const long long scaled = static_cast<long long>(full) * percent / 100;
    return scaled > 0 ? static_cast<int>(scaled) : 1;
}

}  // namespace taverel::testing
