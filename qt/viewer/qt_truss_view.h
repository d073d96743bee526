#pragma once

#include <QWidget>

namespace trelvo::viewer {
class ViewerCore;
}

namespace trelvo::qt {

// The truss in an orthographic projection, as the viewer core's view state shows it: drag
// to rotate, middle drag or Shift+drag to pan, wheel to zoom at the pointer, Home and the
// arrows as the core's camera keys. Without a model it shows the core's message.
class TrussView : public QWidget {
    Q_OBJECT

  public:
    explicit TrussView(viewer::ViewerCore& core, QWidget* parent = nullptr);

  signals:
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

    viewer::ViewerCore& core_;
    bool firstFrameDone_ = false;
};

} // namespace trelvo::qt
