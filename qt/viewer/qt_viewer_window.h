#pragma once

#include <QMainWindow>

class QAction;
class QLabel;

namespace trelvo::viewer {
struct ViewerMessage;
struct ViewOptions;
} // namespace trelvo::viewer

namespace trelvo::qt {

class MagnificationBox;
class TrussView;

// The viewer's main window: the truss view with its menus, toolbar and status bar.
class ViewerWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit ViewerWindow(QWidget* parent = nullptr);

    // Reads a deck or results file and shows it; on failure shows why and returns false.
    bool OpenFile(const QString& path);

    TrussView& View() { return *view_; }
    MagnificationBox& Magnification() { return *magnification_; }
    QAction* FindAction(const QString& objectName) const;

  private:
    void BuildActions();
    void BuildToolBar();
    void BuildStatusBar();
    QAction* AddToggle(QMenu* menu, const QString& name, const QString& text,
                       const QKeySequence& key, bool viewer::ViewOptions::*option);
    void ShowError(const viewer::ViewerMessage& message);
    void SetModelActionsEnabled(bool enabled);
    QString SuggestedFile(const QString& suffix) const;

    void ChooseAndOpen();
    void ChooseAndExport(const QString& suffix);
    void ChooseAndPrint();
    void UseInitialMagnification();
    void ShowControls();
    void ShowAbout();

    TrussView* view_;
    MagnificationBox* magnification_;
    QLabel* hover_;
    QLabel* equilibrium_;
    QLabel* summary_;
    QList<QAction*> modelActions_;
    QString documentPath_;
    double initialMagnification_ = 1.0;
};

} // namespace trelvo::qt
