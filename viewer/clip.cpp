#include "viewer/clip.h"

#include <cmath>

namespace trelvo::viewer {
namespace {

bool Finite(Point2 p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Narrows [enter, leave] by the half-plane p·t <= q of the segment's parameter t.
bool Narrow(double p, double q, double& enter, double& leave) {
    if (p == 0.0)
        return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > leave)
            return false;
        if (t > enter)
            enter = t;
    } else {
        if (t < enter)
            return false;
        if (t < leave)
            leave = t;
    }
    return true;
}

} // namespace

bool Contains(const Rect& box, Point2 p) {
    return Finite(p) && p.x >= box.left && p.x <= box.Right() && p.y >= box.top &&
           p.y <= box.Bottom();
}

std::optional<std::pair<Point2, Point2>> ClipSegment(Point2 a, Point2 b, const Rect& box) {
    if (!Finite(a) || !Finite(b))
        return std::nullopt;
    const double dx = b.x - a.x, dy = b.y - a.y;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return std::nullopt;
    double enter = 0.0, leave = 1.0;
    if (!Narrow(-dx, a.x - box.left, enter, leave) ||
        !Narrow(dx, box.Right() - a.x, enter, leave) || !Narrow(-dy, a.y - box.top, enter, leave) ||
        !Narrow(dy, box.Bottom() - a.y, enter, leave))
        return std::nullopt;
    return std::make_pair(Point2{a.x + enter * dx, a.y + enter * dy},
                          Point2{a.x + leave * dx, a.y + leave * dy});
}

} // namespace trelvo::viewer
