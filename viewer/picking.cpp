#include "viewer/picking.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trelvo::viewer {
namespace {

constexpr double kNodeReach = 8.0;
constexpr double kBarReach = 5.0;

double DistanceToSegment(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

} // namespace

std::optional<Pick> PickAt(const SceneHits& hits, Point2 at) {
    std::optional<Pick> best;
    double nearest = kNodeReach;
    for (std::size_t i = 0; i < hits.nodes.size(); ++i) {
        const double distance = std::hypot(hits.nodes[i].x - at.x, hits.nodes[i].y - at.y);
        if (distance <= nearest) {
            nearest = distance;
            best = Pick{Pick::Kind::Node, static_cast<int>(i) + 1};
        }
    }
    if (best)
        return best;
    nearest = kBarReach;
    for (std::size_t i = 0; i < hits.bars.size(); ++i) {
        const double distance = DistanceToSegment(at, hits.bars[i].first, hits.bars[i].second);
        if (distance <= nearest) {
            nearest = distance;
            best = Pick{Pick::Kind::Element, static_cast<int>(i) + 1};
        }
    }
    return best;
}

} // namespace trelvo::viewer
