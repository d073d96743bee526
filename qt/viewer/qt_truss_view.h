#pragma once

#include "viewer/camera.h"
#include "viewer/scene.h"
#include "viewer/scene_builder.h"
#include "viewer/view_state.h"
#include "viewer/viewer_model.h"

#include <QWidget>

#include <optional>

namespace trelvo::qt {

// The truss in an orthographic projection: drag to rotate, middle drag or Shift+drag to
// pan, wheel to zoom at the pointer, Home to reset. Hovering a node or bar reports its
// numbers from the report.
class TrussView : public QWidget {
    Q_OBJECT

  public:
    explicit TrussView(QWidget* parent = nullptr);

    void SetModel(viewer::ViewerModel model, double magnification);
    // No model: the view shows the text instead.
    void ShowMessage(const QString& text);
    const viewer::ViewerModel* Model() const { return state_.Model(); }

    double Magnification() const { return state_.Options().magnification; }
    void SetMagnification(double magnification);
    bool Option(bool viewer::ViewOptions::*option) const { return state_.Options().*option; }
    void SetOption(bool viewer::ViewOptions::*option, bool on);

    const viewer::Camera& Camera() const { return state_.GetCamera(); }
    void SetCamera(const viewer::Camera& camera);
    // The opening view: default orientation, fitted to the window.
    void ResetView();

    // The picture at the given size, as exported and printed: no hover highlight.
    viewer::Scene ExportScene(QSize size) const;

  signals:
    void HoverTextChanged(const QString& text);
    void FirstFramePainted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void PaintMessage(QPainter& painter);
    void ShowHover(const std::optional<viewer::Hover>& changed);

    viewer::ViewState state_;
    QString message_;
    bool firstFrameDone_ = false;
};

} // namespace trelvo::qt
