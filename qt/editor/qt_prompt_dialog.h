#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace trelvo::qt {

// The small input prompt of Find and Replace: a caption, one line of text, a field preset
// with the caret after its text, and an OK button that Enter presses.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    PromptDialog(QWidget* parent, const QString& title, const QString& message,
                 const QString& preset);

    QString Text() const;
    QLabel* Message() const { return message_; }
    QLineEdit* Field() const { return field_; }
    QPushButton* OkButton() const { return ok_; }

    void setVisible(bool visible) override;

private:
    QLabel* message_;
    QLineEdit* field_;
    QPushButton* ok_;
};

} // namespace trelvo::qt
