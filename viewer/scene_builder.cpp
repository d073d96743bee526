#include "viewer/scene_builder.h"

#include "viewer/clip.h"
#include "viewer/model_geometry.h"
#include "viewer/scene_parts.h"

#include <algorithm>
#include <cmath>

namespace trelvo::viewer {
namespace {

// Room around the viewport inside which segments keep their true ends.
constexpr double kClipMargin = 2000.0;

double LargestStress(const ViewerModel& model) {
    double largest = 0.0;
    for (const ViewerElement& element : model.elements)
        if (element.stress.IsNumber())
            largest = std::max(largest, std::abs(element.stress.value));
    return largest;
}

SceneContext MakeContext(const ViewerModel& model, const Camera& camera, const ViewOptions& options,
                         double width, double height) {
    SceneContext context{
        model,
        camera,
        options,
        StressScale(LargestStress(model)),
        PlotArea(width, height),
        Rect{-kClipMargin, -kClipMargin, width + 2 * kClipMargin, height + 2 * kClipMargin},
        {},
        {}};
    for (const ViewerNode& node : model.nodes) {
        context.undeformed.push_back(camera.Project(node.position));
        std::optional<Point2> moved;
        if (const auto position = DeformedPosition(node, options.magnification)) {
            const Point2 p = camera.Project(*position);
            if (std::isfinite(p.x) && std::isfinite(p.y))
                moved = p;
        }
        context.deformed.push_back(moved);
    }
    return context;
}

} // namespace

Point2 SceneContext::DrawnNode(int number) const {
    const auto index = static_cast<std::size_t>(number - 1);
    return deformed[index].value_or(undeformed[index]);
}

bool AddSegment(Scene& scene, const SceneContext& context, Role role, LinePrim line) {
    const auto clipped = ClipSegment(line.from, line.to, context.drawable);
    if (!clipped)
        return false;
    line.from = clipped->first;
    line.to = clipped->second;
    scene.Add(role, line);
    return true;
}

Rect PlotArea(double width, double height) {
    return Rect{0.0, 0.0, std::max(width - kLegendWidth, 1.0), std::max(height, 1.0)};
}

std::vector<Vec3> FitPoints(const ViewerModel& model, double magnification) {
    std::vector<Vec3> points;
    for (const ViewerNode& node : model.nodes) {
        if (!IsFinite(node.position))
            continue;
        points.push_back(node.position);
        if (const auto moved = DeformedPosition(node, magnification); moved && IsFinite(*moved))
            points.push_back(*moved);
    }
    return points;
}

Scene BuildScene(const ViewerModel& model, const Camera& camera, const ViewOptions& options,
                 double width, double height) {
    Scene scene;
    scene.width = width;
    scene.height = height;
    const Rgb ground = options.neutral.Ground(palette::kBackground);
    scene.Add(Role::Background, RectPrim{{0.0, 0.0, width, height}, ground, {}, 0});
    const SceneContext context = MakeContext(model, camera, options, width, height);
    AddAxes(scene, context);
    AddUndeformedBars(scene, context);
    AddSupports(scene, context);
    AddLoads(scene, context);
    AddHighlight(scene, context);
    AddDeformedBars(scene, context);
    AddNodes(scene, context);
    LabelPlaces labels;
    AddNumbers(scene, context, labels);
    AddReactions(scene, context, labels);
    AddCaption(scene, context);
    AddLegend(scene, context, width);
    return scene;
}

} // namespace trelvo::viewer
