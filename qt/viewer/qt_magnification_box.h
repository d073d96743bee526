#pragma once

#include <QAbstractSpinBox>

namespace trelvo::viewer {
class ViewerCore;
}

namespace trelvo::qt {

// The deformation magnification as a box with arrows: the text it shows and what is typed
// into it and its arrows' steps are the viewer core's; the box only lets through what may
// become a number. A typed value counts on Enter or when the box loses the focus.
class MagnificationBox : public QAbstractSpinBox {
    Q_OBJECT

  public:
    MagnificationBox(viewer::ViewerCore& core, QWidget* parent = nullptr);

    // The core's text, without committing it again.
    void ShowText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& text, int& position) const override;

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

  private:
    viewer::ViewerCore& core_;
    bool showing_ = false;
};

} // namespace trelvo::qt
