#include "desktop.h"

#include "qt_editor_control.h"

namespace trelvo {

Desktop::Desktop() : platform_(window_, help_), shell_(platform_, window_.Editor()) {
    window_.Attach(shell_);
    // A close request from the help window ends the program like one from the main window.
    QObject::connect(&help_, &HelpWindow::closeRequested, &window_, [this] {
        shell_.OnCloseRequest();
        shell_.AfterEvent();
    });
    shell_.Start();
}

Desktop::~Desktop() {
    QObject::disconnect(&help_, nullptr, &window_, nullptr);
    window_.Detach();
}

void Desktop::Show() {
    window_.show();
    window_.activateWindow();
    window_.Editor().setFocus();
}

} // namespace trelvo
