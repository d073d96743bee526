#include "viewer/view_fit.h"

#include "viewer/magnification.h"
#include "viewer/model_geometry.h"
#include "viewer/scene_builder.h"

#include <algorithm>

namespace trelvo::viewer {
namespace {

constexpr double kCaptionBand = 70.0;

} // namespace

Rect FitArea(double width, double height) {
    const Rect plot = PlotArea(width, height);
    const double band = std::min(kCaptionBand, plot.height / 4.0);
    return Rect{plot.left, plot.top + band, plot.width, plot.height - band};
}

void ResetCamera(Camera& camera, const ViewerModel& model, double magnification, double width,
                 double height) {
    camera.SetOrientation(DefaultOrientation(DetectDimension(model)));
    const Rect area = FitArea(width, height);
    const double margin = std::min(kFitMargin, std::min(area.width, area.height) / 4.0);
    camera.Fit(FitPoints(model, magnification), area, margin);
}

Scene OpeningScene(const ViewerModel& model, double width, double height) {
    ViewOptions options;
    options.magnification = InitialMagnification(model);
    Camera camera;
    ResetCamera(camera, model, options.magnification, width, height);
    return BuildScene(model, camera, options, width, height);
}

} // namespace trelvo::viewer
