// The Qt viewer shows what every viewer front end shows (tests/viewer/viewer_window_contract.h),
// read from its actions, toolbar and labels.
#include "tests/viewer/viewer_window_contract.h"

#include "qt/viewer/qt_magnification_box.h"
#include "qt/viewer/qt_truss_view.h"
#include "qt/viewer/qt_viewer_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

namespace trelvo::qt {
namespace {

using namespace viewer::contract;

std::string Text(const QString& text) { return text.toStdString(); }

class QtViewerHarness {
public:
    std::string Title() { return Text(window_.windowTitle()); }

    std::vector<std::string> MenuTitles() {
        std::vector<std::string> titles;
        for (QAction* action : window_.menuBar()->actions())
            titles.push_back(Text(action->text()));
        return titles;
    }

    std::vector<std::string> MenuItems(int menu) {
        std::vector<std::string> items;
        for (QAction* action : window_.menuBar()->actions()[menu]->menu()->actions()) {
            const QString key = action->shortcut().toString(QKeySequence::PortableText);
            items.push_back(action->isSeparator() ? "|" : Text(key.isEmpty() ? action->text() : action->text() + "\t" + key));
        }
        return items;
    }

    bool MenuChecked(viewer::ViewerCommandId id) { return window_.Action(id)->isChecked(); }

    // The label beside the box is not an entry of its own.
    std::vector<ViewerToolShown> Toolbar() {
        std::vector<ViewerToolShown> buttons;
        for (QAction* action : window_.ToolBar()->actions()) {
            QWidget* widget = window_.ToolBar()->widgetForAction(action);
            if (action->isSeparator())
                buttons.push_back({});
            else if (widget == &window_.Magnification())
                buttons.push_back({-1, "", widget->isEnabled(), false, false, ""});
            else if (!qobject_cast<QWidgetAction*>(action))
                buttons.push_back({action->data().toInt(), Text(action->iconText()), action->isEnabled(),
                                   action->isCheckable(), action->isChecked(), Text(widget->toolTip())});
        }
        return buttons;
    }

    std::vector<std::string> Status() {
        std::vector<std::string> parts;
        for (int part = 0; part < 3; ++part) {
            const QLabel* label = window_.StatusPart(part);
            parts.push_back(label->isHidden() ? "" : Text(label->text()));
        }
        return parts;
    }

    std::string MagnificationText() { return Text(window_.Magnification().text()); }
    void Open(const std::string& path) {
        window_.OpenFile(QString::fromStdString(path));
        window_.View().grab();
    }
    void Trigger(viewer::ViewerCommandId id) { window_.Action(id)->trigger(); }
    void TypeMagnification(const std::string& text) {
        window_.Magnification().findChild<QLineEdit*>()->setText(QString::fromStdString(text));
        QTest::keyClick(&window_.Magnification(), Qt::Key_Return);
    }
    void PressUpInMagnification() { QTest::keyClick(&window_.Magnification(), Qt::Key_Up); }
    void PointAt(viewer::Point2 at) {
        const QPointF point(at.x, at.y);
        QMouseEvent move(QEvent::MouseMove, point, window_.View().mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&window_.View(), &move);
    }
    viewer::Point2 ViewSize() { return window_.ViewSize(); }
    viewer::ViewerCore& Core() { return window_.Core(); }

private:
    ViewerWindow window_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ViewerWindowContract, QtViewerHarness);

} // namespace
} // namespace trelvo::qt
