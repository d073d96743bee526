#pragma once

#include <QWidget>

class QLabel;

namespace trelvo {

// The help page: a top-level window of its own, with a title bar and nothing to close it
// by; the Help Page command shows and hides it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    QLabel* Label() const { return label_; }

signals:
    // The platform asked the window to close; whether anything closes is the shell's call.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label_;
};

} // namespace trelvo
