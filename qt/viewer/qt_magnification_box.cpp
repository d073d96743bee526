#include "qt/viewer/qt_magnification_box.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace trelvo::qt {
namespace {

constexpr double kStepFactor = 1.25;

} // namespace

MagnificationBox::MagnificationBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(320); // no rounding: the magnification can be as small as it needs to be
    setRange(0.0, std::numeric_limits<double>::max());
    setValue(1.0);
    setKeyboardTracking(false);
    setAccelerated(true);
    setMinimumWidth(110);
    setToolTip(tr("Magnification of the displacements in the deformed shape"));
}

void MagnificationBox::stepBy(int steps) {
    const double current = value() > 0.0 ? value() : 1.0;
    setValue(current * std::pow(kStepFactor, steps));
}

QString MagnificationBox::textFromValue(double value) const {
    return QLocale::c().toString(value, 'g', 6);
}

double MagnificationBox::valueFromText(const QString& text) const {
    return QLocale::c().toDouble(text.trimmed());
}

QValidator::State MagnificationBox::validate(QString& text, int&) const {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double number = QLocale::c().toDouble(trimmed, &ok);
    if (ok && std::isfinite(number) && number >= 0.0)
        return QValidator::Acceptable;
    for (QChar c : trimmed)
        if (!c.isDigit() && c != u'.' && c != u'e' && c != u'E' && c != u'+' && c != u'-')
            return QValidator::Invalid;
    return QValidator::Intermediate;
}

} // namespace trelvo::qt
