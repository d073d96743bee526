#include "truss_view.h"

#include "hover_text.h"
#include "picking.h"
#include "scene_painter.h"
#include "view_fit.h"
#include "viewer_texts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <cmath>

namespace trelvo::vantrel {
namespace {

constexpr double kZoomPerWheelDegree = 1.0025; // an eighth of a degree per angle unit
constexpr double kKeyRotationPixels = 12.0;

} // namespace

TrussView::TrussView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    message_ = viewer::kOpenPrompt;
}

void TrussView::SetModel(viewer::ViewerModel model, double magnification) {
    model_ = std::move(model);
    options_.magnification = magnification;
    options_.hoverNode.reset();
    options_.hoverElement.reset();
    hits_ = {};
    ResetView();
}

void TrussView::ShowMessage(const QString& text) {
    model_.reset();
    message_ = text;
    hits_ = {};
    update();
}

void TrussView::SetMagnification(double magnification) {
    options_.magnification = magnification;
    update();
}

void TrussView::SetOption(bool viewer::ViewOptions::*option, bool on) {
    options_.*option = on;
    update();
}

void TrussView::SetCamera(const viewer::Camera& camera) {
    camera_ = camera;
    fitPending_ = false;
    update();
}

void TrussView::ResetView() {
    fitPending_ = true;
    update();
}

viewer::Scene TrussView::ExportScene(QSize size) const {
    viewer::ViewOptions options = options_;
    options.hoverNode.reset();
    options.hoverElement.reset();
    if (!model_)
        return viewer::Scene{};
    return viewer::BuildScene(*model_, camera_, options, size.width(), size.height());
}

void TrussView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!model_) {
        PaintMessage(painter);
    } else {
        if (fitPending_) {
            viewer::ResetCamera(camera_, *model_, options_.magnification, width(), height());
            fitPending_ = false;
        }
        const viewer::Scene scene =
            viewer::BuildScene(*model_, camera_, options_, width(), height());
        PaintScene(painter, scene);
        hits_ = scene.hits;
    }
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
    // Keep the model where it was relative to the plot's centre.
    const viewer::Rect before =
        viewer::PlotArea(event->oldSize().width(), event->oldSize().height());
    const viewer::Rect after = viewer::PlotArea(width(), height());
    if (event->oldSize().isValid())
        camera_.Pan(after.Centre().x - before.Centre().x, after.Centre().y - before.Centre().y);
    QWidget::resizeEvent(event);
}

void TrussView::mousePressEvent(QMouseEvent* event) {
    lastPointer_ = event->position();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && shift))
        drag_ = Drag::Pan;
    else if (event->button() == Qt::LeftButton)
        drag_ = Drag::Rotate;
}

void TrussView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF step = event->position() - lastPointer_;
    lastPointer_ = event->position();
    if (drag_ == Drag::Rotate)
        camera_.Rotate(step.x(), step.y());
    else if (drag_ == Drag::Pan)
        camera_.Pan(step.x(), step.y());
    if (drag_ != Drag::None) {
        fitPending_ = false;
        update();
        return;
    }
    UpdateHover(event->position());
}

void TrussView::mouseReleaseEvent(QMouseEvent*) {
    drag_ = Drag::None;
}

void TrussView::wheelEvent(QWheelEvent* event) {
    const double factor = std::pow(kZoomPerWheelDegree, event->angleDelta().y());
    const QPointF at = event->position();
    camera_.ZoomAt(factor, {at.x(), at.y()});
    fitPending_ = false;
    update();
    event->accept();
}

void TrussView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Home:
        ResetView();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        camera_.Rotate(event->key() == Qt::Key_Left ? -kKeyRotationPixels : kKeyRotationPixels,
                       0.0);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        camera_.Rotate(0.0, event->key() == Qt::Key_Up ? -kKeyRotationPixels : kKeyRotationPixels);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    fitPending_ = false;
    update();
}

void TrussView::leaveEvent(QEvent* event) {
    SetHover(std::nullopt, std::nullopt, QString());
    QWidget::leaveEvent(event);
}

void TrussView::UpdateHover(QPointF at) {
    if (!model_)
        return;
    const auto pick = viewer::PickAt(hits_, {at.x(), at.y()});
    if (!pick) {
        SetHover(std::nullopt, std::nullopt, QString());
        return;
    }
    const std::string described = viewer::DescribePick(*model_, *pick);
    const QString text =
        QString::fromLatin1(described.data(), static_cast<qsizetype>(described.size()));
    if (pick->kind == viewer::Pick::Kind::Node)
        SetHover(pick->number, std::nullopt, text);
    else
        SetHover(std::nullopt, pick->number, text);
}

void TrussView::SetHover(std::optional<int> node, std::optional<int> element, const QString& text) {
    if (options_.hoverNode == node && options_.hoverElement == element)
        return;
    options_.hoverNode = node;
    options_.hoverElement = element;
    emit HoverTextChanged(text);
    update();
}

} // namespace trelvo::vantrel
