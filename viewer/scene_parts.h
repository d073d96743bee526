#pragma once

// The parts BuildScene puts together, each adding its primitives in paint order.

#include "viewer/camera.h"
#include "viewer/label_places.h"
#include "viewer/scene.h"
#include "viewer/scene_builder.h"
#include "viewer/stress_scale.h"
#include "viewer/viewer_model.h"

#include <optional>
#include <vector>

namespace trelvo::viewer {

struct SceneContext {
    const ViewerModel& model;
    const Camera& camera;
    const ViewOptions& options;
    StressScale scale;
    Rect plot;                                   // where the truss is drawn
    Rect drawable;                               // segments are clipped to this
    std::vector<Point2> undeformed;              // per node
    std::vector<std::optional<Point2>> deformed; // per node; none for an overflow

    // Where a node is drawn: its deformed place, or its own when it has none.
    Point2 DrawnNode(int number) const;
};

// Adds the segment, clipped to the drawable area; false when nothing of it is visible.
bool AddSegment(Scene& scene, const SceneContext& context, Role role, LinePrim line);

void AddAxes(Scene& scene, const SceneContext& context);
void AddUndeformedBars(Scene& scene, const SceneContext& context);
void AddSupports(Scene& scene, const SceneContext& context);
void AddLoads(Scene& scene, const SceneContext& context);
void AddHighlight(Scene& scene, const SceneContext& context);
void AddDeformedBars(Scene& scene, const SceneContext& context);
void AddNodes(Scene& scene, const SceneContext& context);
// The labels below take their places in `places` in this order: numbers, then reactions.
void AddNumbers(Scene& scene, const SceneContext& context, LabelPlaces& places);
void AddReactions(Scene& scene, const SceneContext& context, LabelPlaces& places);
void AddLegend(Scene& scene, const SceneContext& context, double width);
void AddCaption(Scene& scene, const SceneContext& context);

} // namespace trelvo::viewer
