// The window side of the platform: buttons, menus, status bar, help window and the modal
// dialogs.
#include "qt/editor/qt_platform.h"

#include "qt/editor/qt_file_requester.h"
#include "qt/editor/qt_font_dialog.h"
#include "qt/editor/qt_help_window.h"
#include "qt/editor/qt_main_window.h"
#include "qt/editor/qt_prompt_dialog.h"
#include "qt/common/qt_conversions.h"
#include "qt/editor/qt_print_job.h"

#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>

namespace trelvo::qt {

QtPlatform::QtPlatform(MainWindow& window, HelpWindow& help) : window_(window), help_(help) {}

void QtPlatform::SetButtonEnabled(CommandId id, bool enabled) { window_.SetButtonEnabled(id, enabled); }

bool QtPlatform::IsButtonEnabled(CommandId id) const { return window_.IsButtonEnabled(id); }

void QtPlatform::SetButtonChecked(CommandId id, bool checked) {
    if (QAction* button = window_.ButtonAction(id))
        button->setChecked(checked);
}

void QtPlatform::SetMenuChecked(CommandId id, bool checked) { window_.SetMenuChecked(id, checked); }

void QtPlatform::BuildStatusBar() { window_.ClearStatusFields(); }

void QtPlatform::SetStatusText(int field, const std::string& text) {
    window_.SetStatusText(field, qt::MessageText(text));
}

void QtPlatform::ShowHelpWindow(bool shown) {
    if (!shown) {
        help_.hide();
        return;
    }
    help_.showNormal();
    help_.raise();
    help_.activateWindow();
}

// Ends the running event loop; with none running (a test driving the window directly)
// there is nothing to end, and an exit now would end the next dialog's loop at once.
void QtPlatform::RequestQuit() {
    quitRequested_ = true;
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void QtPlatform::ShowMessage(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, qt::MessageText(title), qt::MessageText(text),
                    QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);
    qt::RunModal(box, modalHook_);
}

SaveChoice QtPlatform::AskSaveChanges() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(" Trelvo"),
                    QStringLiteral("The document has unsaved changes. Save them?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    qt::RunModal(box, modalHook_);
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

// Search texts are editor text, single bytes like the document; the words around them are
// a message's.
std::string QtPlatform::Prompt(const std::string& title, const std::string& message,
                               const std::string& preset) {
    PromptDialog dialog(&window_, qt::MessageText(title), qt::MessageText(message),
                        qt::FromLatin1(preset));
    if (qt::RunModal(dialog, modalHook_) != QDialog::Accepted)
        return {};
    return qt::ToLatin1(dialog.Text());
}

std::string QtPlatform::AskOpenFileName(const std::string& title, const std::string& defaultText) {
    return qt::ToLocal(qt::AskFileName(&window_, qt::FileRequest::Open, qt::FromLocal(title),
                                       qt::FromLocal(defaultText), modalHook_));
}

std::string QtPlatform::AskSaveFileName(const std::string& title, const std::string& defaultText) {
    return qt::ToLocal(qt::AskFileName(&window_, qt::FileRequest::Save, qt::FromLocal(title),
                                       qt::FromLocal(defaultText), modalHook_));
}

std::optional<FontChoice> QtPlatform::ChooseFont(const std::string& faceName, int pointSize) {
    FontDialog dialog(&window_, qt::FromLatin1(faceName), pointSize);
    if (qt::RunModal(dialog, modalHook_) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

std::unique_ptr<PrintJob> QtPlatform::BeginPrint(const std::string& jobName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), &window_);
    if (qt::RunModal(dialog, modalHook_) != QDialog::Accepted)
        return nullptr;
    return QtPrintJob::Begin(std::move(printer), qt::FromLatin1(jobName));
}

} // namespace trelvo::qt
