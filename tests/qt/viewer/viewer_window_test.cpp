// The Qt viewer shows what every viewer front end shows (tests/viewer/viewer_window_contract.h),
// read from its actions, toolbar and labels. Then what is its own: its first size, the mouse
// and wheel events on its view, the box's validator, the message box shown once the window
// is up, and its PNG and printed pictures.
#include "qt/viewer/qt_viewer_window.h"
#include "tests/viewer/viewer_window_contract.h"

#include "qt/viewer/qt_magnification_box.h"
#include "tests/viewer/results_texts.h"
#include "qt/viewer/qt_truss_view.h"
#include "qt/viewer/qt_view_export.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWheelEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidgetAction>
#include <QWidgetAction>

#include <gtest/gtest.h>

namespace trelvo::qt {
namespace {

using namespace viewer;
using namespace viewer::contract;
using namespace viewer::testing;

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
    bool MenuEnabled(viewer::ViewerCommandId id) { return window_.Action(id)->isEnabled(); }

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

class ViewerWindowTest : public ::testing::Test {
  protected:
    QString Write(const QString& name, const std::string& bytes) {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    QString OpenHelpExample() {
        const QString path =
            Write("help-example-RZ.TXT", AnalysedDocument(ExampleDeck("help-example.txt")));
        EXPECT_TRUE(window_.OpenFile(path));
        window_.View().grab(); // a first frame, which fits the view to the window
        return path;
    }

    void Send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, at, window_.View().mapToGlobal(at), button, buttons, modifiers);
        QApplication::sendEvent(&window_.View(), &event);
    }

    void Drag(QPointF from, QPointF to, Qt::MouseButton button,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, from, button, button, modifiers);
        Send(QEvent::MouseMove, to, Qt::NoButton, button, modifiers);
        Send(QEvent::MouseButtonRelease, to, button, Qt::NoButton, modifiers);
    }

    Point2 OnScreen(const Vec3& p) { return window_.Core().State().GetCamera().Project(p); }
    const Camera& ViewCamera() { return window_.Core().State().GetCamera(); }

    QTemporaryDir folder_;
    ViewerWindow window_;
};

// The offscreen screen, 800 x 600, is smaller than the viewer's wide first size: the window
// takes at most 90 % of the free area, and nothing in it (toolbar, hover text) asks for more.
TEST_F(ViewerWindowTest, FirstSizeFitsASmallScreen) {
    const QSize room = window_.screen()->availableGeometry().size() * 0.9;
    ASSERT_LT(room.width(), 1100);
    OpenHelpExample();
    window_.show();
    EXPECT_LE(window_.width(), room.width());
    EXPECT_LE(window_.height(), room.height());
    EXPECT_LE(window_.minimumSizeHint().width(), room.width());
}

TEST_F(ViewerWindowTest, FitsTheFirstViewIntoThePlotArea) {
    OpenHelpExample();
    const Rect plot = PlotArea(window_.View().width(), window_.View().height());
    for (const Vec3& p : {Vec3{0, 0, 0}, Vec3{8, 6, 0}, Vec3{12, 0, 0}}) {
        const Point2 s = OnScreen(p);
        EXPECT_GT(s.x, plot.left);
        EXPECT_LT(s.x, plot.Right());
        EXPECT_GT(s.y, plot.top);
        EXPECT_LT(s.y, plot.Bottom());
    }
    // The X-Y plane, Y up.
    EXPECT_LT(OnScreen({8, 6, 0}).y, OnScreen({0, 0, 0}).y);
}

// The validator lets through what may still become a number, and nothing else.
TEST_F(ViewerWindowTest, TheMagnificationBoxTakesAnySizeWithAPoint) {
    MagnificationBox& box = window_.Magnification();
    const std::pair<QString, QValidator::State> rows[] = {
        {"1.5e-3", QValidator::Acceptable}, {"1.5e", QValidator::Intermediate}, {"1,5", QValidator::Invalid}};
    for (auto [text, state] : rows) {
        int position = 0;
        EXPECT_EQ(box.validate(text, position), state) << text.toStdString();
    }
}

TEST_F(ViewerWindowTest, ShowsTheEnginesMessageForARefusedDeck) {
    const QString path =
        Write("short.txt", Lines({"SHORT", "3 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0"}));
    EXPECT_FALSE(window_.OpenFile(path));
    EXPECT_FALSE(window_.Action(ViewerCommandId::ExportPng)->isEnabled());
    QApplication::processEvents();
    auto* box = window_.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Input Errors");
    EXPECT_EQ(box->text(), "Error occured while reading Node/Element");
    box->close();
}

TEST_F(ViewerWindowTest, RotatesOnADragAndResetsOnHome) {
    OpenHelpExample();
    const Orientation before = ViewCamera().GetOrientation();
    Drag({300, 200}, {340, 230}, Qt::LeftButton);
    EXPECT_NE(ViewCamera().GetOrientation().right, before.right);
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QApplication::sendEvent(&window_.View(), &home);
    window_.View().grab();
    EXPECT_EQ(ViewCamera().GetOrientation().right, before.right);
    EXPECT_EQ(ViewCamera().GetOrientation().up, before.up);
}

TEST_F(ViewerWindowTest, PansOnAMiddleOrShiftDrag) {
    OpenHelpExample();
    const Point2 before = OnScreen({8, 6, 0});
    Drag({300, 200}, {330, 190}, Qt::MiddleButton);
    EXPECT_NEAR(OnScreen({8, 6, 0}).x, before.x + 30, 1e-9);
    EXPECT_NEAR(OnScreen({8, 6, 0}).y, before.y - 10, 1e-9);
    Drag({300, 200}, {290, 200}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_NEAR(OnScreen({8, 6, 0}).x, before.x + 20, 1e-9);
    EXPECT_EQ(ViewCamera().GetOrientation().right, (Vec3{1, 0, 0}));
}

TEST_F(ViewerWindowTest, ZoomsAtThePointerOnTheWheel) {
    OpenHelpExample();
    const double scale = ViewCamera().Scale();
    const Point2 node = OnScreen({8, 6, 0});
    const QPointF at(node.x, node.y);
    QWheelEvent wheel(at, window_.View().mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window_.View(), &wheel);
    EXPECT_GT(ViewCamera().Scale(), scale);
    EXPECT_NEAR(OnScreen({8, 6, 0}).x, node.x, 1e-9);
    EXPECT_NEAR(OnScreen({8, 6, 0}).y, node.y, 1e-9);
}

TEST_F(ViewerWindowTest, EncodesThePngAtTheScenesSize) {
    OpenHelpExample();
    const std::string png = EncodeScenePng(window_.Core().State().ExportScene(800, 450));
    QImage image;
    ASSERT_TRUE(image.loadFromData(QByteArray::fromStdString(png), "PNG"));
    EXPECT_EQ(image.size(), QSize(800, 450));
}

TEST_F(ViewerWindowTest, PrintsTheViewOnAPage) {
    OpenHelpExample();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder_.filePath("view.pdf"));
    ASSERT_TRUE(PrintScene(window_.Core().State().ExportScene(800, 450), printer));
    QFile pdf(folder_.filePath("view.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

} // namespace
} // namespace trelvo::qt
