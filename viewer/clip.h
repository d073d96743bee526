#pragma once

#include "viewer/vec3.h"

#include <optional>
#include <utility>

namespace trelvo::viewer {

// The part of the segment a-b inside the rectangle (Liang-Barsky); nothing when none is,
// or when an end is not finite. Keeps a huge magnification from handing the painter
// coordinates it cannot represent.
std::optional<std::pair<Point2, Point2>> ClipSegment(Point2 a, Point2 b, const Rect& box);

bool Contains(const Rect& box, Point2 p);

} // namespace trelvo::viewer
