// The desktop program shows what every editor front end shows (tests/editor/window_contract.h).
#include "tests/editor/window_contract.h"
#include "tests/qt/editor/desktop_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace trelvo::qt::test {
namespace {

using namespace contract;

std::string Text(const QString& text) { return text.toStdString(); }

class QtWindowHarness {
public:
    QtWindowHarness() : desktop_(std::make_unique<Desktop>()) {
        script_.Install(desktop_->Platform());
        desktop_->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }

    std::string Title() { return Text(Window().windowTitle()); }

    std::vector<std::string> MenuTitles() {
        std::vector<std::string> titles;
        for (QAction* action : Window().menuBar()->actions())
            titles.push_back(Text(action->text()));
        return titles;
    }

    std::vector<std::string> MenuItems(int menu) {
        std::vector<std::string> items;
        for (QAction* action : Window().menuBar()->actions()[menu]->menu()->actions())
            items.push_back(action->isSeparator() ? "|" : Text(action->text()));
        return items;
    }

    std::vector<ToolButtonShown> Toolbar() {
        std::vector<ToolButtonShown> buttons;
        for (QAction* action : Window().ToolBar()->actions()) {
            if (action->isSeparator()) {
                buttons.push_back({});
                continue;
            }
            const auto* button = qobject_cast<QToolButton*>(Window().ToolBar()->widgetForAction(action));
            buttons.push_back({action->data().toInt(), action->isEnabled(), action->isCheckable(),
                               Text(button ? button->toolTip() : QString())});
        }
        return buttons;
    }

    std::string StatusText(int field) { return Text(Window().StatusField(field)->text()); }

    // A right click in the editor, the menu it shows read, then closed.
    std::vector<MenuItemShown> EditorMenu() {
        QWidget* area = Window().Editor().viewport();
        const QPoint at = area->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, area->mapToGlobal(at));
        QCoreApplication::sendEvent(area, &click);
        std::vector<MenuItemShown> items;
        for (QAction* action : Window().EditorMenu()->actions())
            items.push_back({action->isSeparator() ? "|" : Text(action->text()), action->isEnabled()});
        Window().EditorMenu()->hide();
        return items;
    }

    std::vector<std::string> SaveQuestionButtons() {
        Type("unsaved");
        std::vector<std::string> labels;
        script_.Then([&labels](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            for (auto button : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                labels.push_back(box && box->button(button) ? Text(box->button(button)->text().remove('&')) : "");
            dialog.reject();
        });
        QTest::keyClick(&Window().Editor(), Qt::Key_N, Qt::ControlModifier);
        return labels;
    }

    void Type(const std::string& text) { QTest::keyClicks(&Window().Editor(), QString::fromStdString(text)); }
    void PutTextOnTheClipboard(const std::string& text) {
        if (text.empty())
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
    WindowPort& Port() { return desktop_->Platform(); }
    EditorControl& Editor() { return Window().Editor(); }

private:
    MainWindow& Window() { return desktop_->Window(); }

    std::unique_ptr<Desktop> desktop_;
    DialogScript script_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, WindowContract, QtWindowHarness);

} // namespace
} // namespace trelvo::qt::test
