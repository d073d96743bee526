// The window's commands, all taken from the command table: menus with their shortcut
// texts, window-wide accelerators, the toolbar and the editor's right-click menu.
#include "qt/editor/qt_main_window.h"

#include "qt/common/icon_art.h"
#include "qt/editor/icons.h"
#include "qt/editor/qt_editor_control.h"

#include <QAction>
#include <QMenu>
#include <QTextDocument>
#include <QMenuBar>
#include <QToolBar>

namespace trelvo::qt {
namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QKeySequence KeyOf(std::string_view key) {
    return QKeySequence::fromString(Latin1(key), QKeySequence::PortableText);
}

// Label, TAB and shortcut text: the menu shows the text after the TAB right-aligned, in
// place of the one it would make from the action's own shortcut.
QString MenuText(const CommandInfo& info) {
    QString text = Latin1(info.label);
    if (!info.shortcut.empty())
        text += QLatin1Char('\t') + Latin1(info.shortcut);
    return text;
}

} // namespace

void MainWindow::BuildMenus() {
    for (Menu menu : {Menu::File, Menu::Edit, Menu::About}) {
        QMenu* items = menuBar()->addMenu(Latin1(MenuTitle(menu)));
        for (CommandId id : MenuItems(menu)) {
            if (id == CommandId{0}) {
                items->addSeparator();
                continue;
            }
            const CommandInfo& info = CommandInfoOf(id);
            QAction* item = items->addAction(MenuText(info));
            if (!info.key.empty()) {
                item->setShortcut(KeyOf(info.key));
                item->setShortcutContext(Qt::WindowShortcut);
            }
            connect(item, &QAction::triggered, this, [this, id] { RunCommand(id); });
            menuItems_[id] = item;
        }
    }
}

// Escape is an accelerator without a menu item. The editor lets every accelerator go by,
// so that, say, Ctrl+H runs Replace instead of acting on the text.
void MainWindow::BuildQuitKey() {
    const CommandInfo& info = CommandInfoOf(CommandId::Quit);
    auto* quit = new QAction(this);
    quit->setShortcut(KeyOf(info.key));
    quit->setShortcutContext(Qt::WindowShortcut);
    addAction(quit);
    connect(quit, &QAction::triggered, this, [this] { RunCommand(CommandId::Quit); });
    QList<QKeySequence> keys;
    for (const auto& [id, item] : menuItems_)
        keys.append(item->shortcut());
    for (const auto& [id, button] : buttons_)
        keys.append(button->shortcut());
    keys.append(quit->shortcut());
    keys.removeAll(QKeySequence());
    editor_->SetReservedKeys(keys);
}

void MainWindow::BuildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(qt::kToolbarIconSize, qt::kToolbarIconSize));
    toolBar_->toggleViewAction()->setVisible(false);
    for (const ToolbarEntry& entry : ToolbarLayout()) {
        if (entry.separator)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(CommandButton(entry));
    }
    SetButtonEnabled(CommandId::RunAnalysis, false);
    SetButtonEnabled(CommandId::LaunchViewer, false);
}

// Placeholders only widen the gaps: blank, without a tooltip, disabled for good.
QAction* MainWindow::CommandButton(const ToolbarEntry& entry) {
    auto* button = new QAction(toolBar_);
    button->setData(static_cast<int>(entry.id));
    buttons_[entry.id] = button;
    if (entry.placeholder) {
        button->setIcon(qt::ButtonIcon(ButtonImage::Icon6));
        button->setEnabled(false);
        placeholders_.insert(entry.id);
        return button;
    }
    const CommandInfo& info = CommandInfoOf(entry.id);
    button->setIcon(qt::ButtonIcon(info.image));
    button->setText(Latin1(info.tooltip));
    button->setToolTip(Latin1(info.tooltip));
    button->setCheckable(info.toggle); // flips its own look on every click
    // A key of a command that has no menu item; like a click, it acts only while the button
    // is enabled. The tooltip stays as the table gives it.
    if (info.menu == Menu::None && !info.key.empty()) {
        button->setShortcut(KeyOf(info.key));
        button->setShortcutContext(Qt::WindowShortcut);
    }
    const CommandId id = entry.id;
    connect(button, &QAction::triggered, this, [this, id] { RunCommand(id); });
    return button;
}

// Replaces the editor widget's own menu, which offers Redo and acts beside the shell: every
// item takes the path of its key, so a paste is checked as Ctrl+V's is.
void MainWindow::BuildEditorMenu() {
    editorMenu_ = new QMenu(this);
    for (const ContextMenuItem& item : ContextMenu()) {
        if (item.id == CommandId{0}) {
            editorMenu_->addSeparator();
            continue;
        }
        QAction* action = editorMenu_->addAction(Latin1(item.label));
        const CommandId id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        editorMenuItems_[id] = action;
    }
    connect(editor_, &QtEditorControl::contextMenuRequested, this, &MainWindow::ShowEditorMenu);
}

QAction* MainWindow::EditorMenuAction(CommandId id) const {
    const auto found = editorMenuItems_.find(id);
    return found == editorMenuItems_.end() ? nullptr : found->second;
}

void MainWindow::ShowEditorMenu(const QPoint& globalPosition) {
    for (const auto& [id, action] : editorMenuItems_)
        action->setEnabled(EditorCommandAvailable(id));
    editorMenu_->popup(globalPosition);
}

// As the platform's own edit menus have it.
bool MainWindow::EditorCommandAvailable(CommandId id) const {
    switch (id) {
    case CommandId::Undo:
        return editor_->document()->isUndoAvailable();
    case CommandId::Cut:
    case CommandId::Copy:
    case CommandId::Delete:
        return editor_->textCursor().hasSelection();
    case CommandId::Paste:
        return editor_->canPaste();
    case CommandId::SelectAll:
        return !editor_->document()->isEmpty();
    default:
        return true;
    }
}

} // namespace trelvo::qt
