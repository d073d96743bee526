#pragma once

#include "viewer/viewer_model.h"

#include <optional>

namespace trelvo::viewer {

// How many directions the truss spans, which decides the first view: a line along X and
// a plane truss start in the X-Y plane, a space truss in a view from above with Z up.
enum class ModelDimension { Line, Plane, Space };

ModelDimension DetectDimension(const ViewerModel& model);

struct Bounds {
    Vec3 min;
    Vec3 max;
};

// The box around the undeformed nodes (a zero box at the origin for no nodes).
Bounds ModelBounds(const ViewerModel& model);

// The longest side of that box; 1 when the box is a point, so that scales stay finite.
double ModelSize(const ViewerModel& model);

// Where a node goes under the given magnification; nothing for a node the report gives
// no finite displacement for.
std::optional<Vec3> DeformedPosition(const ViewerNode& node, double magnification);

// The largest displacement (vector length) over the nodes that have one.
double LargestDisplacement(const ViewerModel& model);

} // namespace trelvo::viewer
