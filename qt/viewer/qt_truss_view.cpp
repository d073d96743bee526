#include "qt/viewer/qt_truss_view.h"

#include "qt/viewer/qt_scene_painter.h"
#include "viewer/viewer_texts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

namespace trelvo::qt {
namespace {

viewer::Point2 PointOf(QPointF at) { return {at.x(), at.y()}; }

} // namespace

TrussView::TrussView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    message_ = viewer::kOpenPrompt;
}

void TrussView::SetModel(viewer::ViewerModel model, double magnification) {
    state_.SetModel(std::move(model), magnification);
    update();
}

void TrussView::ShowMessage(const QString& text) {
    state_.ClearModel();
    message_ = text;
    update();
}

void TrussView::SetMagnification(double magnification) {
    state_.SetMagnification(magnification);
    update();
}

void TrussView::SetOption(bool viewer::ViewOptions::*option, bool on) {
    state_.SetOption(option, on);
    update();
}

void TrussView::SetCamera(const viewer::Camera& camera) {
    state_.SetCamera(camera);
    update();
}

void TrussView::ResetView() {
    state_.ResetView();
    update();
}

viewer::Scene TrussView::ExportScene(QSize size) const {
    return state_.ExportScene(size.width(), size.height());
}

void TrussView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!state_.Model())
        PaintMessage(painter);
    else
        PaintScene(painter, state_.ShownScene(width(), height()));
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
    painter.drawText(rect().adjusted(40, 40, -40, -40), Qt::AlignCenter | Qt::TextWordWrap,
                     message_);
}

void TrussView::resizeEvent(QResizeEvent* event) {
    // Qt gives an invalid old size for the first resize, when there is no view to keep.
    const QSize old = event->oldSize();
    if (old.isValid())
        state_.Resize(old.width(), old.height(), width(), height());
    QWidget::resizeEvent(event);
}

void TrussView::mousePressEvent(QMouseEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    viewer::Drag drag = state_.CurrentDrag(); // other buttons leave the drag as it is
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && shift))
        drag = viewer::Drag::Pan;
    else if (event->button() == Qt::LeftButton)
        drag = viewer::Drag::Rotate;
    state_.BeginDrag(drag, PointOf(event->position()));
}

void TrussView::mouseMoveEvent(QMouseEvent* event) {
    if (state_.DragTo(PointOf(event->position())))
        update();
    else
        ShowHover(state_.HoverAt(PointOf(event->position())));
}

void TrussView::mouseReleaseEvent(QMouseEvent*) {
    state_.EndDrag();
}

void TrussView::wheelEvent(QWheelEvent* event) {
    // Qt's angle units are eighths of a degree, as the view's wheel steps are.
    state_.ZoomAt(event->angleDelta().y(), PointOf(event->position()));
    update();
    event->accept();
}

void TrussView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Home: state_.ResetView(); break;
    case Qt::Key_Left: state_.Turn(viewer::Direction::Left); break;
    case Qt::Key_Right: state_.Turn(viewer::Direction::Right); break;
    case Qt::Key_Up: state_.Turn(viewer::Direction::Up); break;
    case Qt::Key_Down: state_.Turn(viewer::Direction::Down); break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

void TrussView::leaveEvent(QEvent* event) {
    ShowHover(state_.ClearHover());
    QWidget::leaveEvent(event);
}

void TrussView::ShowHover(const std::optional<viewer::Hover>& changed) {
    if (!changed)
        return;
    emit HoverTextChanged(QString::fromLatin1(changed->text.data(),
                                              static_cast<qsizetype>(changed->text.size())));
    update();
}

} // namespace trelvo::qt
