#include "qt/editor/desktop.h"

#include "qt/editor/qt_editor_control.h"

namespace trelvo::qt {

Desktop::Desktop(const std::string& documentName)
    : platform_(window_, help_), shell_(platform_.Ports(), window_.Editor()),
      sessionEnd_(shell_, window_.Editor(), platform_) {
    window_.Attach(shell_);
    QObject::connect(&help_, &HelpWindow::closeRequested, &window_,
                     [this] { shell_.OnHelpCloseRequest(); });
    QObject::connect(&window_.Editor(), &QtEditorControl::insertRefused, &window_,
                     [this](char32_t character) { shell_.OnInsertRefused(character); });
    shell_.Start(documentName);
}

Desktop::~Desktop() {
    QObject::disconnect(&help_, nullptr, &window_, nullptr);
    QObject::disconnect(&window_.Editor(), nullptr, &window_, nullptr);
    window_.Detach();
}

void Desktop::Show() {
    window_.show();
    window_.activateWindow();
    window_.Editor().setFocus();
}

} // namespace trelvo::qt
