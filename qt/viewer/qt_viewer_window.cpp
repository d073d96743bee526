#include "qt/viewer/qt_viewer_window.h"

#include "viewer/equilibrium_text.h"
#include "viewer/magnification.h"
#include "qt/viewer/qt_magnification_box.h"
#include "viewer/results_file.h"
#include "qt/viewer/qt_truss_view.h"
#include "qt/viewer/qt_view_export.h"
#include "viewer/viewer_texts.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace trelvo::qt {
namespace {

QString FromBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString MessageText(const std::string& text) {
    return FromBytes(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

ViewerWindow::ViewerWindow(QWidget* parent)
    : QMainWindow(parent), view_(new TrussView(this)), magnification_(new MagnificationBox(this)),
      hover_(new QLabel(this)), equilibrium_(new QLabel(this)), summary_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Vantrel"));
    setCentralWidget(view_);
    BuildActions();
    BuildToolBar();
    BuildStatusBar();
    SetModelActionsEnabled(false);
    connect(magnification_, &QDoubleSpinBox::valueChanged, view_, &TrussView::SetMagnification);
    // The wide first size where the screen has room for it; on a small screen at most
    // 90 % of its free area, the toolbar overflowing rather than widening the window.
    resize(QSize(1100, 720).boundedTo(screen()->availableGeometry().size() * 0.9));
}

QAction* ViewerWindow::FindAction(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void ViewerWindow::BuildActions() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    auto add = [this](QMenu* menu, const QString& name, const QString& text,
                      const QKeySequence& key, auto slot, bool needsModel) {
        QAction* action = menu->addAction(text, this, slot);
        action->setObjectName(name);
        action->setShortcut(key);
        if (needsModel)
            modelActions_ << action;
        return action;
    };
    add(file, "open", tr("&Open..."), QKeySequence::Open, &ViewerWindow::ChooseAndOpen, false)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    add(
        file, "exportPng", tr("Export &PNG..."), QKeySequence(tr("Ctrl+E")),
        [this] { ChooseAndExport("png"); }, true)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    add(
        file, "exportSvg", tr("Export &SVG..."), QKeySequence(tr("Ctrl+Shift+E")),
        [this] { ChooseAndExport("svg"); }, true);
    add(file, "print", tr("&Print..."), QKeySequence::Print, &ViewerWindow::ChooseAndPrint, true);
    file->addSeparator();
    add(file, "quit", tr("&Quit"), QKeySequence::Quit, &QWidget::close, false);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    add(
        view, "resetView", tr("&Reset View"), QKeySequence(Qt::Key_Home),
        [this] { view_->ResetView(); }, true)
        ->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    add(view, "autoMagnification", tr("&Automatic Magnification"), QKeySequence(tr("A")),
        &ViewerWindow::UseInitialMagnification, true);
    view->addSeparator();
    AddToggle(view, "nodeNumbers", tr("&Node Numbers"), QKeySequence(tr("N")),
              &viewer::ViewOptions::showNodeNumbers);
    AddToggle(view, "elementNumbers", tr("&Element Numbers"), QKeySequence(tr("E")),
              &viewer::ViewOptions::showElementNumbers);
    AddToggle(view, "undeformed", tr("&Undeformed Shape"), QKeySequence(tr("U")),
              &viewer::ViewOptions::showUndeformed);
    AddToggle(view, "loads", tr("&Loads"), QKeySequence(tr("L")), &viewer::ViewOptions::showLoads);
    AddToggle(view, "supports", tr("&Supports"), QKeySequence(tr("S")),
              &viewer::ViewOptions::showSupports);
    AddToggle(view, "reactions", tr("Reac&tions"), QKeySequence(tr("R")),
              &viewer::ViewOptions::showReactions);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, "controls", tr("&Controls"), QKeySequence::HelpContents, &ViewerWindow::ShowControls,
        false);
    add(help, "about", tr("&About Vantrel"), QKeySequence(), &ViewerWindow::ShowAbout, false);
}

QAction* ViewerWindow::AddToggle(QMenu* menu, const QString& name, const QString& text,
                                 const QKeySequence& key, bool viewer::ViewOptions::*option) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setCheckable(true);
    action->setChecked(view_->Option(option));
    connect(action, &QAction::toggled, this,
            [this, option](bool on) { view_->SetOption(option, on); });
    modelActions_ << action;
    return action;
}

void ViewerWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(tr("View"));
    bar->setObjectName("viewToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const char* name : {"open", "exportPng", "exportSvg", "print", "", "resetView", "",
                             "nodeNumbers", "elementNumbers", "undeformed", "reactions"}) {
        if (*name)
            bar->addAction(FindAction(name));
        else
            bar->addSeparator();
    }
    // Short names on the buttons, so that the magnification box still fits beside them at
    // the first size; the menu and the tooltips keep the full names.
    const std::pair<const char*, QString> shortNames[] = {{"nodeNumbers", tr("Node No.")},
                                                          {"elementNumbers", tr("Element No.")},
                                                          {"undeformed", tr("Undeformed")}};
    for (const auto& [name, text] : shortNames) {
        QAction* action = FindAction(name);
        action->setToolTip(action->text().remove('&'));
        action->setIconText(text);
    }
    bar->addSeparator();
    bar->addWidget(new QLabel(tr(" Magnification "), bar));
    bar->addWidget(magnification_);
    bar->addAction(FindAction("autoMagnification"));
    FindAction("autoMagnification")->setText(tr("Auto"));
}

void ViewerWindow::BuildStatusBar() {
    hover_->setText(viewer::kViewHint);
    hover_->setTextFormat(Qt::PlainText);
    // A long hover text is cut at the window's edge; it never widens the window.
    hover_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(hover_, 1);
    equilibrium_->setContentsMargins(0, 0, 12, 0); // apart from the summary beside it
    statusBar()->addPermanentWidget(equilibrium_);
    statusBar()->addPermanentWidget(summary_);
    // While something is pointed at, its long line takes the room of the equilibrium check.
    connect(view_, &TrussView::HoverTextChanged, this, [this](const QString& text) {
        hover_->setText(text.isEmpty() ? QString(viewer::kViewHint) : text);
        equilibrium_->setVisible(text.isEmpty());
    });
}

void ViewerWindow::SetModelActionsEnabled(bool enabled) {
    for (QAction* action : modelActions_)
        action->setEnabled(enabled);
    magnification_->setEnabled(enabled);
}

bool ViewerWindow::OpenFile(const QString& path) {
    documentPath_ = path;
    setWindowTitle(
        QString::fromStdString(viewer::WindowTitle(QFileInfo(path).fileName().toStdString())));
    viewer::LoadResult result = viewer::LoadResultsFile(QFile::encodeName(path).toStdString());
    if (!result.model) {
        view_->ShowMessage(FromBytes(result.error->title) + "\n\n" +
                           MessageText(result.error->text));
        summary_->clear();
        equilibrium_->clear();
        SetModelActionsEnabled(false);
        ShowError(*result.error);
        return false;
    }
    initialMagnification_ = viewer::InitialMagnification(*result.model);
    summary_->setText(FromBytes(viewer::SummaryText(*result.model)));
    equilibrium_->setText(FromBytes(viewer::EquilibriumText(*result.model)));
    view_->SetModel(std::move(*result.model), initialMagnification_);
    {
        const QSignalBlocker block(magnification_);
        magnification_->setValue(initialMagnification_);
    }
    SetModelActionsEnabled(true);
    return true;
}

void ViewerWindow::ShowError(const viewer::ViewerMessage& message) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, FromBytes(message.title),
                                MessageText(message.text), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // After the window itself is up, and without a nested event loop.
    QTimer::singleShot(0, box, [box] { box->open(); });
}

QString ViewerWindow::SuggestedFile(const QString& suffix) const {
    const QFileInfo document(documentPath_);
    return document.dir().filePath(document.completeBaseName() + "." + suffix);
}

void ViewerWindow::ChooseAndOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Deck or Results File"),
                                                      documentPath_, tr("All files (*)"));
    if (!path.isEmpty())
        OpenFile(path);
}

void ViewerWindow::ChooseAndExport(const QString& suffix) {
    const QString filter = suffix == "png" ? tr("PNG images (*.png)") : tr("SVG drawings (*.svg)");
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export View"), SuggestedFile(suffix), filter);
    if (path.isEmpty())
        return;
    const viewer::Scene scene = view_->ExportScene(view_->size());
    const bool written = suffix == "png" ? ExportPng(scene, path) : ExportSvg(scene, path);
    if (!written)
        QMessageBox::warning(this, tr("Vantrel"),
                             tr("The file %1 could not be written.").arg(path));
}

void ViewerWindow::ChooseAndPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(view_->width() > view_->height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted &&
        !PrintScene(view_->ExportScene(view_->size()), printer))
        QMessageBox::warning(this, tr("Vantrel"), tr("The view could not be printed."));
}

void ViewerWindow::UseInitialMagnification() {
    magnification_->setValue(initialMagnification_);
}

void ViewerWindow::ShowControls() {
    QMessageBox::information(this, viewer::kControlsTitle, viewer::kControlsText);
}

void ViewerWindow::ShowAbout() {
    QMessageBox::about(this, viewer::kAboutTitle, viewer::kAboutText);
}

} // namespace trelvo::qt
