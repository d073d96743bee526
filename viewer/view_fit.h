#pragma once

#include "viewer/camera.h"
#include "viewer/scene.h"
#include "viewer/viewer_model.h"

namespace trelvo::viewer {

// The part of a viewport the truss is fitted into: the plot area less the caption band at
// its top.
Rect FitArea(double width, double height);

// Pixels kept free around the truss for supports and load arrows.
inline constexpr double kFitMargin = 60.0;

// The view a document opens with and Home returns to: the default orientation for the
// truss's dimension, fitted to its nodes, undeformed and deformed.
void ResetCamera(Camera& camera, const ViewerModel& model, double magnification, double width,
                 double height);

// The picture a document opens with in a viewport of the given size: the opening view, the
// opening magnification and the default options. Exported images of the first view and the
// comparison of the painters start from it.
Scene OpeningScene(const ViewerModel& model, double width, double height);

} // namespace trelvo::viewer
