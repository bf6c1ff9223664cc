// Counting leaked GDI objects where GetGuiResources cannot help (Wine returns
// 0): create objects until creation fails, free them all, and report how many
// fitted. A leak in the work between two measurements shows as lost headroom.
#pragma once

#include <cstddef>

namespace taverel::testing {

// Number of solid brushes the process can still create (capped at `limit`).
std::size_t MeasureGdiHeadroom(std::size_t limit = 200000);

}  // namespace taverel::testing
