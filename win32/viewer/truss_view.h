#pragma once

#include "viewer/scene.h"
#include "win32/viewer/scene_bitmap.h"
#include "viewer/scene_builder.h"
#include "win32/viewer/screen_colours.h"
#include "viewer/view_state.h"
#include "win32/common/windows_api.h"

#include <memory>

namespace trelvo::viewer {
class ViewerCore;
}

namespace trelvo::win32 {

// The truss in an orthographic projection, as the viewer core's view state shows it: drag
// to rotate, middle drag or Shift+drag to pan, wheel to zoom at the pointer, Home and the
// arrows as the core's camera keys; without a model, the core's message. The scene is laid out in
// 96-dpi pixels, as the Qt viewer's in its logical pixels, and shown larger on a screen of
// more dpi: the pointer's place is taken back to the scene's units.
class TrussView {
public:
    TrussView(viewer::ViewerCore& core, HWND parent, HINSTANCE instance, int id);
    ~TrussView();
    TrussView(const TrussView&) = delete;
    TrussView& operator=(const TrussView&) = delete;

    HWND Handle() const { return window_; }

    // The monitor's dpi, for a window moved to another (the one it starts on is its own).
    void SetDpi(UINT dpi);
    // The system's colours as they are now, after a change of them or of High Contrast.
    void UseScreenColours() { SetNeutralColours(ScreenColours()); }
    void SetNeutralColours(const viewer::NeutralColours& colours);

    SIZE ClientSize() const;
    // The view's size in the scene's units, 96-dpi pixels.
    viewer::Point2 SceneSize() const;
    // The picture at the view's size, as exported and printed: no hover highlight, the
    // fixed colours, and 96-dpi pixels, whatever the screen has.
    viewer::Scene ExportScene() const;
    // What the window shows, drawn into its picture now, without waiting for a paint.
    void Render();
    // The picture last drawn; null before the first.
    const SceneBitmap* Picture() const { return picture_.get(); }

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
    viewer::Point2 ScenePoint(POINT at) const;
    double Scale() const; // pixels per unit of the scene

    HWND window_ = nullptr;
    viewer::ViewerCore& core_;
    bool trackingLeave_ = false;
    viewer::Point2 sceneSize_{}; // at the last WM_SIZE
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<SceneBitmap> picture_;
};

} // namespace trelvo::win32
