// Small value types for the painters: a box on a surface and the margins a
// nine-slice copy keeps unscaled. Named fields, so a width can no longer be
// passed where a source x was meant.
#pragma once

namespace taverel::skin {

// x, y, width, height; the platform's right and bottom are x + width and y + height.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

constexpr Margins UniformMargins(int margin) {
    return Margins{margin, margin, margin, margin};
}

}  // namespace taverel::skin
