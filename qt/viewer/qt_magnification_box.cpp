#include "qt/viewer/qt_magnification_box.h"

#include "viewer/magnification.h"
#include "viewer/viewer_command_table.h"
#include "viewer/viewer_core.h"

#include <QLineEdit>

namespace trelvo::qt {

MagnificationBox::MagnificationBox(viewer::ViewerCore& core, QWidget* parent)
    : QAbstractSpinBox(parent), core_(core) {
    setKeyboardTracking(false);
    setAccelerated(true);
    setMinimumWidth(110);
    setToolTip(QString::fromUtf8(viewer::kMagnificationTooltip));
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (!showing_)
            core_.EnterMagnification(text().toStdString());
    });
}

void MagnificationBox::ShowText(const QString& text) {
    showing_ = true;
    lineEdit()->setText(text);
    showing_ = false;
}

// What was typed counts first, as on Enter, then the step.
void MagnificationBox::stepBy(int steps) {
    core_.EnterMagnification(text().toStdString());
    core_.StepMagnification(steps);
}

QValidator::State MagnificationBox::validate(QString& text, int&) const {
    const std::string typed = text.toStdString();
    if (viewer::ParseMagnification(typed))
        return QValidator::Acceptable;
    return viewer::MayBecomeMagnification(typed) ? QValidator::Intermediate : QValidator::Invalid;
}

} // namespace trelvo::qt
