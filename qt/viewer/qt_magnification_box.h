#pragma once

#include <QDoubleSpinBox>

namespace trelvo::qt {

// The deformation magnification: any positive size from tiny to huge, written with six
// significant digits and "." as the decimal point; each step multiplies or divides by 1.25.
class MagnificationBox : public QDoubleSpinBox {
    Q_OBJECT

  public:
    explicit MagnificationBox(QWidget* parent = nullptr);

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
};

} // namespace trelvo::qt
