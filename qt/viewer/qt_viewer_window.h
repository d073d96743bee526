#pragma once

#include "viewer/viewer_core.h"
#include "viewer/viewer_ports.h"

#include <QMainWindow>

#include <map>

class QAction;
class QLabel;
class QToolBar;

namespace trelvo::qt {

class MagnificationBox;
class TrussView;

// The viewer's main window: the truss view with its menus, toolbar and status bar, all
// built from the viewer's command table; what they do is the viewer core's. The window is
// the core's window, dialogs and pictures; the disk is its files.
class ViewerWindow : public QMainWindow,
                     public viewer::ViewerWindowPort,
                     public viewer::ViewerDialogPort,
                     public viewer::ViewerPicturePort {
    Q_OBJECT

  public:
    explicit ViewerWindow(QWidget* parent = nullptr);
    ~ViewerWindow() override;

    // Reads a deck or results file and shows it; on failure shows why and returns false.
    bool OpenFile(const QString& path);

    viewer::ViewerCore& Core() { return core_; }
    TrussView& View() { return *view_; }
    MagnificationBox& Magnification() { return *magnification_; }
    QAction* Action(viewer::ViewerCommandId id) const { return actions_.at(id); }
    QToolBar* ToolBar() const { return toolBar_; }
    // The status bar's parts: what is pointed at, the equilibrium check, the summary.
    QLabel* StatusPart(int part) const;

    // The window port.
    void SetTitle(const std::string& title) override;
    void ShowStatus(const viewer::ViewerStatus& status) override;
    void SetCommandEnabled(viewer::ViewerCommandId id, bool enabled) override;
    void SetCommandChecked(viewer::ViewerCommandId id, bool checked) override;
    void ShowMagnification(const std::string& text) override;
    void SetMagnificationEnabled(bool enabled) override;
    void Redraw() override;
    viewer::Point2 ViewSize() const override;
    void Close() override;

    // The dialog port.
    void ShowMessage(const std::string& title, const std::string& text, viewer::MessageKind kind) override;
    void ShowMessageWhenUp(const std::string& title, const std::string& text) override;
    std::string AskOpenFileName(const std::string& title, const std::string& start) override;
    std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                const viewer::FileKind& kind) override;

    // The picture port.
    std::string EncodePng(const viewer::Scene& scene) override;
    viewer::PrintOutcome Print(const viewer::Scene& scene, bool landscape, const std::string& jobName) override;

  private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();

    viewer::DiskFiles files_;
    viewer::ViewerCore core_;
    TrussView* view_;
    MagnificationBox* magnification_;
    QToolBar* toolBar_ = nullptr;
    QLabel* status_[3];
    std::map<viewer::ViewerCommandId, QAction*> actions_;
};

} // namespace trelvo::qt
