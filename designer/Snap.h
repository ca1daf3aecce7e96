#pragma once
// Snapping while objects are dragged or resized: to the grid and to the
// edges and centres of the label and of the other objects, with the guide
// lines that show what was snapped to. All in micrometres on the label.
#include <cstdint>
#include <optional>
#include <vector>

namespace quill::designer {

struct Guide {
    bool vertical = true;   // a vertical line at x = position, else horizontal at y
    std::int64_t position = 0;
};

// The lines a moving edge may stick to, per axis.
struct SnapTargets {
    std::vector<std::int64_t> xs, ys;   // edges and centres (guides are shown for these)
    std::int64_t gridUm = 0;            // 0: no grid
};

struct SnapResult {
    std::int64_t dx = 0, dy = 0;   // to add to the proposed move
    std::vector<Guide> guides;
};

// `xs` and `ys` are the moving object's edges and centres (after the
// proposed move) that may snap; `toleranceUm` how near counts (a few screen
// pixels at the current zoom). An edge or centre wins over the grid.
SnapResult Snap(const std::vector<std::int64_t>& xs, const std::vector<std::int64_t>& ys, const SnapTargets& targets,
                std::int64_t toleranceUm);

}  // namespace quill::designer
