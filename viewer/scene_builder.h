#pragma once

#include "viewer/camera.h"
#include "viewer/scene.h"
#include "viewer/viewer_model.h"

#include <optional>
#include <vector>

namespace trelvo::viewer {

struct ViewOptions {
    double magnification = 1.0;
    bool showUndeformed = true;
    bool showNodeNumbers = true;
    bool showElementNumbers = false;
    bool showLoads = true;
    bool showSupports = true;
    bool showReactions = true;
    std::optional<int> hoverNode;    // 1-based
    std::optional<int> hoverElement; // 1-based
    NeutralColours neutral;          // the fixed colours unless given
};

// The legend takes a panel of this width at the right edge; the truss gets the rest.
inline constexpr double kLegendWidth = 200.0;

Rect PlotArea(double width, double height);

// The points the view is fitted to: every node, undeformed and deformed.
std::vector<Vec3> FitPoints(const ViewerModel& model, double magnification);

// The picture of the model as the camera sees it in a viewport of the given size.
Scene BuildScene(const ViewerModel& model, const Camera& camera, const ViewOptions& options,
                 double width, double height);

} // namespace trelvo::viewer
