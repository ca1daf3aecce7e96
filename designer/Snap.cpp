#include "designer/Snap.h"

#include <cstdlib>
#include <limits>

namespace quill::designer {

namespace {

struct AxisSnap {
    std::optional<std::int64_t> delta;
    std::optional<std::int64_t> guide;
};

std::int64_t NearestGridLine(std::int64_t value, std::int64_t grid) {
    const std::int64_t below = (value >= 0 ? value / grid : (value - grid + 1) / grid) * grid;
    return value - below < below + grid - value ? below : below + grid;
}

AxisSnap SnapAxis(const std::vector<std::int64_t>& moving, const std::vector<std::int64_t>& targets,
                  std::int64_t grid, std::int64_t tolerance) {
    AxisSnap best;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (std::int64_t m : moving)
        for (std::int64_t t : targets)
            if (const std::int64_t d = std::llabs(t - m); d <= tolerance && d < bestDistance) {
                bestDistance = d;
                best = {t - m, t};
            }
    if (best.delta || grid <= 0 || moving.empty()) return best;
    // the grid holds the first edge (the one being dragged, or the left/top)
    const std::int64_t m = moving.front();
    const std::int64_t line = NearestGridLine(m, grid);
    if (std::llabs(line - m) <= tolerance) best.delta = line - m;
    return best;
}

}  // namespace

SnapResult Snap(const std::vector<std::int64_t>& xs, const std::vector<std::int64_t>& ys, const SnapTargets& targets,
                std::int64_t toleranceUm) {
    SnapResult result;
    const AxisSnap x = SnapAxis(xs, targets.xs, targets.gridUm, toleranceUm);
    const AxisSnap y = SnapAxis(ys, targets.ys, targets.gridUm, toleranceUm);
    result.dx = x.delta.value_or(0);
    result.dy = y.delta.value_or(0);
    if (x.guide) result.guides.push_back({true, *x.guide});
    if (y.guide) result.guides.push_back({false, *y.guide});
    return result;
}

}  // namespace quill::designer
