#pragma once

#include "viewer/camera.h"
#include "viewer/scene.h"
#include "viewer/scene_builder.h"
#include "viewer/viewer_model.h"

#include <optional>
#include <string>

namespace trelvo::viewer {

// What a drag with the pointer does to the camera.
enum class Drag { None, Rotate, Pan };

// The arrow keys: each turns the model a fixed step, as a short drag would.
enum class Direction { Left, Right, Up, Down };

// What the pointer is on: a node, an element or nothing, and the status-bar line for it
// (empty for nothing).
struct Hover {
    std::optional<int> node;    // 1-based
    std::optional<int> element; // 1-based
    std::string text;
};

// What a truss view shows and how the pointer and the keys change it, in pixels and wheel
// units. Both viewers' windows hold one and only translate their events into its calls, so
// the two cannot come to rotate, zoom or point differently.
class ViewState {
  public:
    // A new model opens in the opening view, with nothing pointed at.
    void SetModel(ViewerModel model, double magnification);
    void ClearModel();
    const ViewerModel* Model() const { return model_ ? &*model_ : nullptr; }

    const ViewOptions& Options() const { return options_; }
    void SetMagnification(double magnification) { options_.magnification = magnification; }
    void SetOption(bool ViewOptions::*option, bool on) { options_.*option = on; }
    // The colours of the shown scene's ground and neutral ink; exports keep the fixed ones.
    void SetNeutralColours(const NeutralColours& colours) { options_.neutral = colours; }

    const Camera& GetCamera() const { return camera_; }
    void SetCamera(const Camera& camera);
    // The opening view, fitted to the size of the next scene shown.
    void ResetView() { fitPending_ = true; }
    // The camera turned as by a drag of (dx, dy) pixels.
    void Rotate(double dx, double dy);
    // What an arrow key does.
    void Turn(Direction direction);
    // A wheel turned by the given units (eighths of a degree) zooms about `at`.
    void ZoomAt(double wheelUnits, Point2 at);
    // The viewport changed size: the model stays where it was relative to the plot's centre.
    void Resize(double oldWidth, double oldHeight, double width, double height);

    Drag CurrentDrag() const { return drag_; }
    void BeginDrag(Drag drag, Point2 at);
    void EndDrag() { drag_ = Drag::None; }
    // The pointer moved to `at`: true when that dragged the camera.
    bool DragTo(Point2 at);

    // What lies at `at` in the scene last shown; a value only when that is not what was
    // pointed at before. Without a model nothing changes.
    std::optional<Hover> HoverAt(Point2 at);
    // The pointer left: nothing is pointed at.
    std::optional<Hover> ClearHover() { return SetHover({}); }

    // The picture to show at the given size, with what is pointed at highlighted; the
    // pointer is tested against it from now on. Empty without a model.
    Scene ShownScene(double width, double height);
    // The picture at the given size, as exported and printed: no hover highlight, and the
    // fixed colours, since a file or a page is not the screen.
    Scene ExportScene(double width, double height) const;

  private:
    std::optional<Hover> SetHover(Hover hover);

    std::optional<ViewerModel> model_;
    ViewOptions options_;
    Camera camera_;
    bool fitPending_ = false;
    SceneHits hits_;
    Drag drag_ = Drag::None;
    Point2 lastPointer_;
};

} // namespace trelvo::viewer
