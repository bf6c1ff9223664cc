#include "tests/support/gdi_headroom.h"

#include "platform/win.h"

#include <vector>

namespace taverel::testing {

std::size_t MeasureGdiHeadroom(std::size_t limit) {
    std::vector<HBRUSH> brushes;
    brushes.reserve(limit);
    while (brushes.size() < limit) {
        // Distinct colours so no implementation can share one brush object.
        HBRUSH brush =
            CreateSolidBrush(RGB(brushes.size() & 0xFF, (brushes.size() >> 8) & 0xFF, 7));
        if (!brush)
            break;
        brushes.push_back(brush);
    }
    const std::size_t count = brushes.size();
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    return count;
}

}  // namespace taverel::testing
