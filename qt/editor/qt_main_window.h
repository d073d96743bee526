#pragma once

#include "editor/command_table.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>

class QLabel;
class QMenu;
class QToolBar;

namespace trelvo {
class Shell;
}

namespace trelvo::qt {

class QtEditorControl;

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
    // The editor's right-click menu and its item of a command; null when it has none.
    QMenu* EditorMenu() const { return editorMenu_; }
    QAction* EditorMenuAction(CommandId id) const;
    QLabel* StatusField(int field) const;

    void SetButtonEnabled(CommandId id, bool enabled);
    bool IsButtonEnabled(CommandId id) const;
    void SetMenuChecked(CommandId id, bool checked);
    void ClearStatusFields();
    void SetStatusText(int field, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildEditor();
    void BuildMenus();
    void BuildToolBar();
    void BuildQuitKey();
    void BuildStatusBar();
    void BuildEditorMenu();
    QAction* CommandButton(const ToolbarEntry& entry);
    // Shows the editor's menu with its items enabled as the editor's state allows them.
    void ShowEditorMenu(const QPoint& globalPosition);
    bool EditorCommandAvailable(CommandId id) const;
    // Carries out a command and the step that follows every event.
    void RunCommand(CommandId id);
    void OpenDroppedFile(const std::string& name);
    // Hands one event to the shell, then closes the editor's edit group and takes the
    // step that follows every event.
    void ToShell(const std::function<void(Shell&)>& event);
    void AfterEvent();

    QtEditorControl* editor_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::array<QLabel*, 2> statusFields_{};
    std::map<CommandId, QAction*> buttons_;
    std::map<CommandId, QAction*> menuItems_;
    QMenu* editorMenu_ = nullptr;
    std::map<CommandId, QAction*> editorMenuItems_;
    std::set<CommandId> placeholders_;
    QTimer clock_;
    Shell* shell_ = nullptr;
};

} // namespace trelvo::qt
