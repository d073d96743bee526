#include "qt/editor/qt_main_window.h"

#include "editor/help_texts.h"
#include "qt/editor/icons.h"
#include "qt/common/qt_conversions.h"
#include "qt/editor/qt_editor_control.h"
#include "qt/editor/screen_geometry.h"
#include "editor/shell.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QVBoxLayout>

namespace trelvo::qt {
namespace {

constexpr int kClockInterval = 4500; // milliseconds
constexpr int kEditorSideMargin = 5;
constexpr std::array kStatusFieldWidths{120, 450};

} // namespace

MainWindow::MainWindow() {
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setWindowIcon(qt::ApplicationIcon());
    setContextMenuPolicy(Qt::NoContextMenu); // no menu to hide the toolbar
    setAcceptDrops(true); // files from a file manager, on the editor too
    BuildEditor();
    BuildEditorMenu();
    BuildMenus();
    BuildToolBar();
    BuildQuitKey();
    BuildStatusBar();
    qt::PlaceCentred(*this, QSize(640, 480));
    clock_.setInterval(kClockInterval);
    connect(&clock_, &QTimer::timeout, this, [this] {
        if (shell_)
            shell_->OnTimer();
        AfterEvent();
    });
}

MainWindow::~MainWindow() { Detach(); }

void MainWindow::BuildEditor() {
    auto* frame = new QWidget(this);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(kEditorSideMargin, 0, kEditorSideMargin, 0);
    editor_ = new QtEditorControl(frame);
    layout->addWidget(editor_);
    setCentralWidget(frame);
    connect(editor_, &QPlainTextEdit::textChanged, this, &MainWindow::AfterEvent);
    editor_->setFocus();
}

void MainWindow::BuildStatusBar() {
    for (std::size_t field = 0; field < statusFields_.size(); ++field) {
        auto* label = new QLabel(statusBar());
        label->setFixedWidth(kStatusFieldWidths[field]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        statusBar()->addWidget(label);
        statusFields_[field] = label;
    }
}

void MainWindow::Attach(Shell& shell) {
    shell_ = &shell;
    clock_.start();
}

void MainWindow::Detach() {
    shell_ = nullptr;
    clock_.stop();
}

QAction* MainWindow::ButtonAction(CommandId id) const {
    const auto found = buttons_.find(id);
    return found == buttons_.end() ? nullptr : found->second;
}

QAction* MainWindow::MenuAction(CommandId id) const {
    const auto found = menuItems_.find(id);
    return found == menuItems_.end() ? nullptr : found->second;
}

QLabel* MainWindow::StatusField(int field) const {
    if (field < 0 || field >= static_cast<int>(statusFields_.size()))
        return nullptr;
    return statusFields_[static_cast<std::size_t>(field)];
}

void MainWindow::SetButtonEnabled(CommandId id, bool enabled) {
    QAction* button = ButtonAction(id);
    if (button && !placeholders_.contains(id)) // placeholders stay disabled for good
        button->setEnabled(enabled);
}

bool MainWindow::IsButtonEnabled(CommandId id) const {
    const QAction* button = ButtonAction(id);
    return button && button->isEnabled();
}

void MainWindow::SetMenuChecked(CommandId id, bool checked) {
    if (QAction* item = MenuAction(id)) {
        item->setCheckable(true);
        item->setChecked(checked);
    }
}

void MainWindow::ClearStatusFields() {
    for (QLabel* field : statusFields_)
        field->clear();
}

void MainWindow::SetStatusText(int field, const QString& text) {
    if (QLabel* label = StatusField(field))
        label->setText(text);
}

void MainWindow::RunCommand(CommandId id) {
    ToShell([id](Shell& shell) { shell.Dispatch(id); });
}

void MainWindow::OpenDroppedFile(const std::string& name) {
    ToShell([&name](Shell& shell) { shell.OnFileDropped(name); });
}

void MainWindow::ToShell(const std::function<void(Shell&)>& event) {
    if (!shell_)
        return;
    event(*shell_);
    editor_->EndEditGroup();
    AfterEvent();
}

void MainWindow::AfterEvent() {
    if (shell_)
        shell_->AfterEvent();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (shell_)
        shell_->OnResize();
    AfterEvent();
}

// The shell decides: it may ask to save first and the user may cancel the close.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!shell_) {
        event->accept();
        return;
    }
    shell_->OnCloseRequest();
    AfterEvent();
    if (shell_ && shell_->QuitRequested())
        event->accept();
    else
        event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!qt::FirstLocalFile(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The file opens once the drop is over, so that the question about unsaved text does not
// keep the program the file came from waiting for the end of its drag.
void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = qt::FirstLocalFile(*event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, name = qt::ToLocal(file)] { OpenDroppedFile(name); }, Qt::QueuedConnection);
}

} // namespace trelvo::qt
