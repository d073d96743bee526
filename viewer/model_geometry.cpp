#include "viewer/model_geometry.h"

#include <algorithm>
#include <cmath>

namespace trelvo::viewer {
namespace {

bool AllEqual(const ViewerModel& model, double Vec3::*coordinate) {
    for (const ViewerNode& node : model.nodes)
        if (node.position.*coordinate != model.nodes.front().position.*coordinate)
            return false;
    return true;
}

// The length of a vector whose squares may pass the range of a double.
double SafeLength(const Vec3& v) {
    const double largest = std::max({std::abs(v.x), std::abs(v.y), std::abs(v.z)});
    return largest > 0.0 ? largest * Length(v * (1.0 / largest)) : 0.0;
}

} // namespace

ModelDimension DetectDimension(const ViewerModel& model) {
    if (model.nodes.empty())
        return ModelDimension::Plane;
    if (!AllEqual(model, &Vec3::z))
        return ModelDimension::Space;
    return AllEqual(model, &Vec3::y) ? ModelDimension::Line : ModelDimension::Plane;
}

Bounds ModelBounds(const ViewerModel& model) {
    if (model.nodes.empty())
        return Bounds{};
    Bounds box{model.nodes.front().position, model.nodes.front().position};
    for (const ViewerNode& node : model.nodes) {
        const Vec3& p = node.position;
        box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
        box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
    }
    return box;
}

double ModelSize(const ViewerModel& model) {
    const Bounds box = ModelBounds(model);
    const Vec3 side = box.max - box.min;
    const double size = std::max({side.x, side.y, side.z});
    return size > 0.0 && std::isfinite(size) ? size : 1.0;
}

std::optional<Vec3> DeformedPosition(const ViewerNode& node, double magnification) {
    if (node.HasOverflow())
        return std::nullopt;
    return node.position + node.Displacement() * magnification;
}

double LargestDisplacement(const ViewerModel& model) {
    double largest = 0.0;
    for (const ViewerNode& node : model.nodes)
        if (!node.HasOverflow())
            largest = std::max(largest, SafeLength(node.Displacement()));
    return largest;
}

} // namespace trelvo::viewer
