#pragma once

#include "command_table.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <map>
#include <set>

class QLabel;
class QToolBar;

namespace trelvo {

class QtEditorControl;
class Shell;

// The program's window: menu bar, toolbar, editor and status bar, all built from the
// command table. Every command, timer tick, resize, edit and close request goes to the
// shell once it is attached.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    QtEditorControl& Editor() const { return *editor_; }

    // Starts delivering events to the shell; Detach stops it before the shell goes.
    void Attach(Shell& shell);
    void Detach();

    // The toolbar button and the menu item of a command; null when it has none.
    QAction* ButtonAction(CommandId id) const;
    QAction* MenuAction(CommandId id) const;
    QToolBar* ToolBar() const { return toolBar_; }
    QLabel* StatusField(int field) const;

    void SetButtonEnabled(CommandId id, bool enabled);
    bool IsButtonEnabled(CommandId id) const;
    void SetMenuChecked(CommandId id, bool checked);
    void ClearStatusFields();
    void SetStatusText(int field, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildEditor();
    void BuildMenus();
    void BuildToolBar();
    void BuildQuitKey();
    void BuildStatusBar();
    QAction* CommandButton(const ToolbarEntry& entry);
    // Carries out a command and the step that follows every event.
    void RunCommand(CommandId id);
    void AfterEvent();

    QtEditorControl* editor_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::array<QLabel*, 2> statusFields_{};
    std::map<CommandId, QAction*> buttons_;
    std::map<CommandId, QAction*> menuItems_;
    std::set<CommandId> placeholders_;
    QTimer clock_;
    Shell* shell_ = nullptr;
};

} // namespace trelvo
