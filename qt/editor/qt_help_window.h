#pragma once

#include <QWidget>

class QFont;
class QLabel;

namespace trelvo::qt {

// The help page: a top-level window of its own, with a title bar only; the Help Page
// command shows and hides it. Where the window manager adds a close box anyway, closing
// asks the shell, which hides the help.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    QLabel* Label() const { return label_; }

    // The label's font: an 8-point sans face, smaller only where the whole help text,
    // wrapped lines included, would not fit in the label.
    static QFont FittingFont(const QLabel& label);

signals:
    // The platform asked the window to close; what closes is the shell's call.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* label_;
    bool fontChosen_ = false;
};

} // namespace trelvo::qt
