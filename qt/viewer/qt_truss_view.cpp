#include "qt/viewer/qt_truss_view.h"

#include "qt/viewer/qt_scene_painter.h"
#include "viewer/viewer_core.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <optional>

namespace trelvo::qt {
namespace {

viewer::Point2 PointOf(QPointF at) { return {at.x(), at.y()}; }

std::optional<viewer::CameraKey> CameraKeyOf(int key) {
    switch (key) {
    case Qt::Key_Home: return viewer::CameraKey::Home;
    case Qt::Key_Left: return viewer::CameraKey::Left;
    case Qt::Key_Right: return viewer::CameraKey::Right;
    case Qt::Key_Up: return viewer::CameraKey::Up;
    case Qt::Key_Down: return viewer::CameraKey::Down;
    default: return std::nullopt;
    }
}

} // namespace

TrussView::TrussView(viewer::ViewerCore& core, QWidget* parent) : QWidget(parent), core_(core) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
}

void TrussView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!core_.State().Model())
        PaintMessage(painter);
    else
        PaintScene(painter, core_.State().ShownScene(width(), height()));
    if (!firstFrameDone_) {
        firstFrameDone_ = true;
        emit FirstFramePainted();
    }
}

void TrussView::PaintMessage(QPainter& painter) {
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(90, 90, 90));
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    const std::string& message = core_.ViewMessage();
    painter.drawText(rect().adjusted(40, 40, -40, -40), Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size())));
}

void TrussView::resizeEvent(QResizeEvent* event) {
    // Qt gives an invalid old size for the first resize, when there is no view to keep.
    const QSize old = event->oldSize();
    if (old.isValid())
        core_.State().Resize(old.width(), old.height(), width(), height());
    QWidget::resizeEvent(event);
}

void TrussView::mousePressEvent(QMouseEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    viewer::Drag drag = core_.State().CurrentDrag(); // other buttons leave the drag as it is
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && shift))
        drag = viewer::Drag::Pan;
    else if (event->button() == Qt::LeftButton)
        drag = viewer::Drag::Rotate;
    core_.State().BeginDrag(drag, PointOf(event->position()));
}

void TrussView::mouseMoveEvent(QMouseEvent* event) {
    core_.PointerAt(PointOf(event->position()));
}

void TrussView::mouseReleaseEvent(QMouseEvent*) {
    core_.State().EndDrag();
}

void TrussView::wheelEvent(QWheelEvent* event) {
    // Qt's angle units are eighths of a degree, as the view's wheel steps are.
    core_.State().ZoomAt(event->angleDelta().y(), PointOf(event->position()));
    update();
    event->accept();
}

void TrussView::keyPressEvent(QKeyEvent* event) {
    if (const auto key = CameraKeyOf(event->key()))
        core_.PressCameraKey(*key);
    else
        QWidget::keyPressEvent(event);
}

void TrussView::leaveEvent(QEvent* event) {
    core_.PointerLeft();
    QWidget::leaveEvent(event);
}

} // namespace trelvo::qt
