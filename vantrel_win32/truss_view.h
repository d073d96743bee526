#pragma once

#include "camera.h"
#include "scene.h"
#include "scene_bitmap.h"
#include "scene_builder.h"
#include "view_state.h"
#include "viewer_model.h"
#include "windows_api.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace trelvo::vantrel_win32 {

// The truss in an orthographic projection: drag to rotate, middle drag or Shift+drag to
// pan, wheel to zoom at the pointer, Home to reset, the arrow keys to turn it in steps.
// Pointing at a node or bar reports its numbers from the report.
class TrussView {
public:
    TrussView(HWND parent, HINSTANCE instance, int id);
    ~TrussView();
    TrussView(const TrussView&) = delete;
    TrussView& operator=(const TrussView&) = delete;

    HWND Handle() const { return window_; }

    void SetModel(viewer::ViewerModel model, double magnification);
    // No model: the view shows the text instead.
    void ShowMessage(const std::string& text);
    const viewer::ViewerModel* Model() const { return state_.Model(); }

    double Magnification() const { return state_.Options().magnification; }
    void SetMagnification(double magnification);
    bool Option(bool viewer::ViewOptions::*option) const { return state_.Options().*option; }
    void SetOption(bool viewer::ViewOptions::*option, bool on);

    const viewer::Camera& Camera() const { return state_.GetCamera(); }
    void SetCamera(const viewer::Camera& camera);
    // The opening view: default orientation, fitted to the window.
    void ResetView();
    // The camera turned as by a drag of (dx, dy) pixels.
    void Rotate(double dx, double dy);

    SIZE ClientSize() const;
    // The picture at the given size, as exported and printed: no hover highlight.
    viewer::Scene ExportScene(SIZE size) const;
    // What the window shows, drawn into its picture now, without waiting for a paint.
    void Render();
    // The picture last drawn; null before the first.
    const SceneBitmap* Picture() const { return picture_.get(); }

    // The text for the status bar when what is pointed at changes; empty for nothing.
    void OnHoverText(std::function<void(const std::string&)> changed) { hoverChanged_ = std::move(changed); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void RenderMessage();
    void OnSize(SIZE size);
    void OnButtonDown(viewer::Drag drag, POINT at);
    void OnButtonUp();
    void OnMouseMove(POINT at);
    void OnWheel(int delta, POINT screenAt);
    bool OnKey(WPARAM key);
    void Invalidate();
    void ShowHover(const std::optional<viewer::Hover>& changed);

    HWND window_ = nullptr;
    viewer::ViewState state_;
    std::string message_;
    bool trackingLeave_ = false;
    SIZE size_{};
    std::unique_ptr<SceneBitmap> picture_;
    std::function<void(const std::string&)> hoverChanged_;
};

} // namespace trelvo::vantrel_win32
