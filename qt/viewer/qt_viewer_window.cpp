#include "qt/viewer/qt_viewer_window.h"

#include "qt/viewer/qt_magnification_box.h"
#include "qt/viewer/qt_truss_view.h"
#include "qt/viewer/qt_view_export.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QStringDecoder>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace trelvo::qt {
namespace {

using viewer::ViewerCommandId;

QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Names are in the file system's encoding.
QString FromLocal(const std::string& name) {
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

std::string ToLocal(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

// The core's words and names are UTF-8; the engine's messages are the deck's bytes,
// which are Latin-1 where they are not UTF-8.
QString FromViewerText(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return utf8.hasError() ? FromLatin1(text) : decoded;
}

// A message as a label shows it: CR LF become line breaks.
QString MessageText(const std::string& text) {
    return FromViewerText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStyle::StandardPixmap StandardPicture(viewer::ToolPicture picture) {
    switch (picture) {
    case viewer::ToolPicture::Open: return QStyle::SP_DialogOpenButton;
    case viewer::ToolPicture::Save: return QStyle::SP_DialogSaveButton;
    case viewer::ToolPicture::Reset: return QStyle::SP_BrowserReload;
    case viewer::ToolPicture::None: break;
    }
    return QStyle::SP_CustomBase;
}

} // namespace

ViewerWindow::ViewerWindow(QWidget* parent)
    : QMainWindow(parent), core_({*this, *this, files_, *this}), view_(new TrussView(core_, this)),
      magnification_(new MagnificationBox(core_, this)) {
    setCentralWidget(view_);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    core_.Start();
    // The wide first size where the screen has room for it; on a small screen at most
    // 90 % of its free area, the toolbar overflowing rather than widening the window.
    resize(QSize(1100, 720).boundedTo(screen()->availableGeometry().size() * 0.9));
}

// The view and the box call the core, which as a member goes before the window's children.
ViewerWindow::~ViewerWindow() {
    delete magnification_;
    delete view_;
}

bool ViewerWindow::OpenFile(const QString& path) {
    return core_.OpenFile(ToLocal(path));
}

void ViewerWindow::BuildMenus() {
    for (viewer::ViewerMenu menuId : viewer::kViewerMenus) {
        QMenu* menu = menuBar()->addMenu(Text(viewer::ViewerMenuTitle(menuId)));
        for (const viewer::ViewerCommandInfo& command : viewer::ViewerCommands()) {
            if (command.menu != menuId)
                continue;
            if (command.separatorBefore)
                menu->addSeparator();
            QAction* action = menu->addAction(Text(command.label));
            action->setData(static_cast<int>(command.id));
            action->setShortcut(QKeySequence(Text(command.shortcut)));
            action->setCheckable(command.option != nullptr);
            connect(action, &QAction::triggered, this, [this, id = command.id] { core_.Execute(id); });
            actions_[command.id] = action;
        }
    }
}

void ViewerWindow::BuildToolBar() {
    toolBar_ = addToolBar(Text(viewer::ViewerMenuTitle(viewer::ViewerMenu::View)).remove('&'));
    toolBar_->setObjectName("viewToolBar");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const viewer::ViewerToolEntry& entry : viewer::ViewerToolbar()) {
        switch (entry.kind) {
        case viewer::ViewerToolEntry::Kind::Separator: toolBar_->addSeparator(); break;
        case viewer::ViewerToolEntry::Kind::Magnification:
            toolBar_->addWidget(new QLabel(Text(entry.text), toolBar_));
            toolBar_->addWidget(magnification_);
            break;
        case viewer::ViewerToolEntry::Kind::Button: {
            QAction* action = Action(entry.id);
            if (entry.picture != viewer::ToolPicture::None)
                action->setIcon(style()->standardIcon(StandardPicture(entry.picture)));
            action->setIconText(Text(entry.text));
            action->setToolTip(Text(viewer::ViewerTooltip(entry.id)));
            toolBar_->addAction(action);
            break;
        }
        }
    }
}

void ViewerWindow::BuildStatusBar() {
    for (QLabel*& part : status_) {
        part = new QLabel(this);
        part->setTextFormat(Qt::PlainText);
    }
    // A long hover text is cut at the window's edge; it never widens the window.
    status_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(status_[0], 1);
    status_[1]->setContentsMargins(0, 0, 12, 0); // apart from the summary beside it
    statusBar()->addPermanentWidget(status_[1]);
    statusBar()->addPermanentWidget(status_[2]);
}

QLabel* ViewerWindow::StatusPart(int part) const {
    return status_[part];
}

void ViewerWindow::SetTitle(const std::string& title) {
    setWindowTitle(FromLocal(title));
}

void ViewerWindow::ShowStatus(const viewer::ViewerStatus& status) {
    status_[0]->setText(FromLatin1(status.hover));
    status_[1]->setText(FromLatin1(status.equilibrium));
    status_[1]->setVisible(status.equilibriumShown);
    status_[2]->setText(FromLatin1(status.summary));
}

void ViewerWindow::SetCommandEnabled(ViewerCommandId id, bool enabled) {
    Action(id)->setEnabled(enabled);
}

void ViewerWindow::SetCommandChecked(ViewerCommandId id, bool checked) {
    Action(id)->setChecked(checked);
}

void ViewerWindow::ShowMagnification(const std::string& text) {
    magnification_->ShowText(QString::fromStdString(text));
}

void ViewerWindow::SetMagnificationEnabled(bool enabled) {
    magnification_->setEnabled(enabled);
}

void ViewerWindow::Redraw() {
    view_->update();
}

viewer::Point2 ViewerWindow::ViewSize() const {
    return {static_cast<double>(view_->width()), static_cast<double>(view_->height())};
}

void ViewerWindow::Close() {
    close();
}

void ViewerWindow::ShowMessage(const std::string& title, const std::string& text, viewer::MessageKind kind) {
    const QString caption = FromViewerText(title), body = MessageText(text);
    switch (kind) {
    case viewer::MessageKind::Information: QMessageBox::information(this, caption, body); break;
    case viewer::MessageKind::Warning: QMessageBox::warning(this, caption, body); break;
    case viewer::MessageKind::About: QMessageBox::about(this, caption, body); break;
    case viewer::MessageKind::Plain:
        QMessageBox(QMessageBox::NoIcon, caption, body, QMessageBox::Ok, this).exec();
        break;
    }
}

void ViewerWindow::ShowMessageWhenUp(const std::string& title, const std::string& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, FromViewerText(title), MessageText(text), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // After the window itself is up, and without a nested event loop.
    QTimer::singleShot(0, box, [box] { box->open(); });
}

std::string ViewerWindow::AskOpenFileName(const std::string& title, const std::string& start) {
    return ToLocal(QFileDialog::getOpenFileName(this, FromViewerText(title), FromLocal(start), tr("All files (*)")));
}

std::string ViewerWindow::AskSaveFileName(const std::string& title, const std::string& suggested,
                                          const viewer::FileKind& kind) {
    const QString filter = QString::fromStdString(kind.description + " (*." + kind.extension + ")");
    return ToLocal(QFileDialog::getSaveFileName(this, FromViewerText(title), FromLocal(suggested), filter));
}

std::string ViewerWindow::EncodePng(const viewer::Scene& scene) {
    return EncodeScenePng(scene);
}

viewer::PrintOutcome ViewerWindow::Print(const viewer::Scene& scene, bool landscape, const std::string& jobName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(QString::fromStdString(jobName));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return viewer::PrintOutcome::Cancelled;
    return PrintScene(scene, printer) ? viewer::PrintOutcome::Printed : viewer::PrintOutcome::Failed;
}

} // namespace trelvo::qt
