#include "viewer/view_state.h"

#include "viewer/hover_text.h"
#include "viewer/picking.h"
#include "viewer/view_fit.h"

#include <cmath>

namespace trelvo::viewer {
namespace {

constexpr double kZoomPerWheelUnit = 1.0025;
constexpr double kKeyRotationPixels = 12.0;

} // namespace

void ViewState::SetModel(ViewerModel model, double magnification) {
    model_ = std::move(model);
    options_.magnification = magnification;
    options_.hoverNode.reset();
    options_.hoverElement.reset();
    hits_ = {};
    ResetView();
}

void ViewState::ClearModel() {
    model_.reset();
    hits_ = {};
}

// Any camera set or moved by hand replaces a fit still waiting for the next scene.
void ViewState::SetCamera(const Camera& camera) {
    camera_ = camera;
    fitPending_ = false;
}

void ViewState::Rotate(double dx, double dy) {
    camera_.Rotate(dx, dy);
    fitPending_ = false;
}

void ViewState::Turn(Direction direction) {
    switch (direction) {
    case Direction::Left: Rotate(-kKeyRotationPixels, 0.0); break;
    case Direction::Right: Rotate(kKeyRotationPixels, 0.0); break;
    case Direction::Up: Rotate(0.0, -kKeyRotationPixels); break;
    case Direction::Down: Rotate(0.0, kKeyRotationPixels); break;
    }
}

void ViewState::ZoomAt(double wheelUnits, Point2 at) {
    camera_.ZoomAt(std::pow(kZoomPerWheelUnit, wheelUnits), at);
    fitPending_ = false;
}

void ViewState::Resize(double oldWidth, double oldHeight, double width, double height) {
    const Rect before = PlotArea(oldWidth, oldHeight);
    const Rect after = PlotArea(width, height);
    camera_.Pan(after.Centre().x - before.Centre().x, after.Centre().y - before.Centre().y);
}

void ViewState::BeginDrag(Drag drag, Point2 at) {
    drag_ = drag;
    lastPointer_ = at;
}

bool ViewState::DragTo(Point2 at) {
    const double dx = at.x - lastPointer_.x, dy = at.y - lastPointer_.y;
    lastPointer_ = at;
    if (drag_ == Drag::Rotate)
        camera_.Rotate(dx, dy);
    else if (drag_ == Drag::Pan)
        camera_.Pan(dx, dy);
    if (drag_ == Drag::None)
        return false;
    fitPending_ = false;
    return true;
}

std::optional<Hover> ViewState::HoverAt(Point2 at) {
    if (!model_)
        return std::nullopt;
    const auto pick = PickAt(hits_, at);
    if (!pick)
        return SetHover({});
    std::string text = DescribePick(*model_, *pick);
    if (pick->kind == Pick::Kind::Node)
        return SetHover({pick->number, std::nullopt, std::move(text)});
    return SetHover({std::nullopt, pick->number, std::move(text)});
}

std::optional<Hover> ViewState::SetHover(Hover hover) {
    if (options_.hoverNode == hover.node && options_.hoverElement == hover.element)
        return std::nullopt;
    options_.hoverNode = hover.node;
    options_.hoverElement = hover.element;
    return hover;
}

Scene ViewState::ShownScene(double width, double height) {
    if (!model_)
        return Scene{};
    if (fitPending_) {
        ResetCamera(camera_, *model_, options_.magnification, width, height);
        fitPending_ = false;
    }
    Scene scene = BuildScene(*model_, camera_, options_, width, height);
    hits_ = scene.hits;
    return scene;
}

Scene ViewState::ExportScene(double width, double height) const {
    if (!model_)
        return Scene{};
    ViewOptions options = options_;
    options.hoverNode.reset();
    options.hoverElement.reset();
    options.neutral = {};
    return BuildScene(*model_, camera_, options, width, height);
}

} // namespace trelvo::viewer
