// The viewer's window: opening documents, the magnification box and toggles, the mouse
// and keyboard on the view, and export and printing.
#include "qt/viewer/qt_viewer_window.h"

#include "viewer/equilibrium_text.h"
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

#include <gtest/gtest.h>

namespace trelvo::qt {
namespace {

using namespace viewer;
using namespace viewer::testing;

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

    Point2 OnScreen(const Vec3& p) { return window_.View().Camera().Project(p); }

    QTemporaryDir folder_;
    ViewerWindow window_;
};

TEST_F(ViewerWindowTest, OpensAResultsFileWithTheInitialMagnification) {
    const QString path = OpenHelpExample();
    ASSERT_NE(window_.View().Model(), nullptr);
    EXPECT_EQ(window_.View().Model()->nodes.size(), 3u);
    // A tenth of the 12 long model over the largest displacement, 3.2708e-4: 3668.8.
    EXPECT_DOUBLE_EQ(window_.View().Magnification(), 3700.0);
    EXPECT_DOUBLE_EQ(window_.Magnification().value(), 3700.0);
    EXPECT_EQ(window_.Magnification().text(), "3700");
    EXPECT_TRUE(window_.windowTitle().contains("help-example-RZ.TXT"));
    EXPECT_TRUE(window_.FindAction("exportSvg")->isEnabled());
}

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

TEST_F(ViewerWindowTest, TheMagnificationBoxDrivesTheView) {
    OpenHelpExample();
    window_.Magnification().setValue(500.0);
    EXPECT_DOUBLE_EQ(window_.View().Magnification(), 500.0);
    window_.Magnification().stepBy(1);
    EXPECT_DOUBLE_EQ(window_.View().Magnification(), 625.0);
    window_.FindAction("autoMagnification")->trigger();
    EXPECT_DOUBLE_EQ(window_.View().Magnification(), 3700.0);
}

TEST_F(ViewerWindowTest, TheMagnificationBoxTakesAnySizeWithAPoint) {
    MagnificationBox& box = window_.Magnification();
    QString text = "1.5e-3";
    int position = 0;
    EXPECT_EQ(box.validate(text, position), QValidator::Acceptable);
    EXPECT_DOUBLE_EQ(box.valueFromText(text), 1.5e-3);
    text = "1.5e";
    EXPECT_EQ(box.validate(text, position), QValidator::Intermediate);
    text = "1,5";
    EXPECT_EQ(box.validate(text, position), QValidator::Invalid);
    box.setValue(2.5e-9);
    EXPECT_DOUBLE_EQ(box.value(), 2.5e-9); // not rounded away
    EXPECT_EQ(box.textFromValue(2.5e-9), "2.5e-09");
    EXPECT_EQ(box.textFromValue(5781.25), "5781.25");
}

TEST_F(ViewerWindowTest, TogglesNumbersAndShapes) {
    OpenHelpExample();
    QAction* elements = window_.FindAction("elementNumbers");
    EXPECT_FALSE(window_.View().Option(&ViewOptions::showElementNumbers));
    elements->trigger();
    EXPECT_TRUE(window_.View().Option(&ViewOptions::showElementNumbers));
    window_.FindAction("nodeNumbers")->trigger();
    EXPECT_FALSE(window_.View().Option(&ViewOptions::showNodeNumbers));
    window_.FindAction("undeformed")->trigger();
    EXPECT_FALSE(window_.View().Option(&ViewOptions::showUndeformed));
}

TEST_F(ViewerWindowTest, TogglesTheReactionsFromTheViewMenuAndToolBar) {
    OpenHelpExample();
    QAction* reactions = window_.FindAction("reactions");
    ASSERT_NE(reactions, nullptr);
    EXPECT_TRUE(reactions->isCheckable());
    EXPECT_TRUE(reactions->isChecked());
    EXPECT_EQ(reactions->shortcut(), QKeySequence("R"));
    EXPECT_TRUE(window_.findChild<QToolBar*>("viewToolBar")->actions().contains(reactions));
    EXPECT_TRUE(window_.View().Option(&ViewOptions::showReactions));
    reactions->trigger();
    EXPECT_FALSE(window_.View().Option(&ViewOptions::showReactions));
}

// The check stays in the status bar but gives way to the longer line of what is pointed at.
TEST_F(ViewerWindowTest, GivesTheEquilibriumCheckInTheStatusBar) {
    OpenHelpExample();
    const std::string expected = EquilibriumText(*window_.View().Model());
    ASSERT_TRUE(expected.starts_with("equilibrium residual ")) << expected;
    QLabel* check = nullptr;
    for (QLabel* label : window_.statusBar()->findChildren<QLabel*>())
        if (label->text() == QString::fromStdString(expected))
            check = label;
    ASSERT_NE(check, nullptr);
    EXPECT_FALSE(check->isHidden());
    const Point2 node = OnScreen({0.0, 0.0, 0.0});
    Send(QEvent::MouseMove, QPointF(node.x, node.y), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(check->isHidden());
    Send(QEvent::MouseMove, QPointF(node.x + 150.0, node.y - 40.0), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(check->isHidden());
}

TEST_F(ViewerWindowTest, ShowsTheEnginesMessageForARefusedDeck) {
    const QString path =
        Write("short.txt", Lines({"SHORT", "3 1", "1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0"}));
    EXPECT_FALSE(window_.OpenFile(path));
    EXPECT_EQ(window_.View().Model(), nullptr);
    EXPECT_FALSE(window_.FindAction("exportPng")->isEnabled());
    QApplication::processEvents();
    auto* box = window_.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Input Errors");
    EXPECT_EQ(box->text(), "Error occured while reading Node/Element");
    box->close();
}

TEST_F(ViewerWindowTest, RotatesOnADragAndResetsOnHome) {
    OpenHelpExample();
    const Orientation before = window_.View().Camera().GetOrientation();
    Drag({300, 200}, {340, 230}, Qt::LeftButton);
    EXPECT_NE(window_.View().Camera().GetOrientation().right, before.right);
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QApplication::sendEvent(&window_.View(), &home);
    window_.View().grab();
    EXPECT_EQ(window_.View().Camera().GetOrientation().right, before.right);
    EXPECT_EQ(window_.View().Camera().GetOrientation().up, before.up);
}

TEST_F(ViewerWindowTest, PansOnAMiddleOrShiftDrag) {
    OpenHelpExample();
    const Point2 before = OnScreen({8, 6, 0});
    Drag({300, 200}, {330, 190}, Qt::MiddleButton);
    EXPECT_NEAR(OnScreen({8, 6, 0}).x, before.x + 30, 1e-9);
    EXPECT_NEAR(OnScreen({8, 6, 0}).y, before.y - 10, 1e-9);
    Drag({300, 200}, {290, 200}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_NEAR(OnScreen({8, 6, 0}).x, before.x + 20, 1e-9);
    EXPECT_EQ(window_.View().Camera().GetOrientation().right, (Vec3{1, 0, 0}));
}

TEST_F(ViewerWindowTest, ZoomsAtThePointerOnTheWheel) {
    OpenHelpExample();
    const double scale = window_.View().Camera().Scale();
    const Point2 node = OnScreen({8, 6, 0});
    const QPointF at(node.x, node.y);
    QWheelEvent wheel(at, window_.View().mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window_.View(), &wheel);
    EXPECT_GT(window_.View().Camera().Scale(), scale);
    EXPECT_NEAR(OnScreen({8, 6, 0}).x, node.x, 1e-9);
    EXPECT_NEAR(OnScreen({8, 6, 0}).y, node.y, 1e-9);
}

TEST_F(ViewerWindowTest, ShowsTheNumbersOfTheNodeUnderThePointer) {
    OpenHelpExample();
    QString shown;
    QObject::connect(&window_.View(), &TrussView::HoverTextChanged,
                     [&](const QString& text) { shown = text; });
    const ViewerNode& node = window_.View().Model()->Node(2);
    const Point2 at =
        OnScreen(node.position + node.Displacement() * window_.View().Magnification());
    Send(QEvent::MouseMove, QPointF(at.x, at.y), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(shown.startsWith("Node 2")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("displacement X 3.247E-04")) << shown.toStdString();
}

TEST_F(ViewerWindowTest, ExportsPngAndSvgOfTheView) {
    OpenHelpExample();
    const Scene scene = window_.View().ExportScene(QSize(800, 450));
    const QString png = folder_.filePath("view.png"), svg = folder_.filePath("view.svg");
    ASSERT_TRUE(ExportPng(scene, png));
    ASSERT_TRUE(ExportSvg(scene, svg));
    const QImage image(png);
    EXPECT_EQ(image.size(), QSize(800, 450));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("<?xml"));
    EXPECT_TRUE(text.contains("<g class=\"deformed-bar\">"));
    EXPECT_TRUE(text.contains(">8.503E+02</text>"));
    EXPECT_FALSE(ExportPng(scene, folder_.filePath("missing/view.png")));
}

TEST_F(ViewerWindowTest, PrintsTheViewOnAPage) {
    OpenHelpExample();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder_.filePath("view.pdf"));
    ASSERT_TRUE(PrintScene(window_.View().ExportScene(QSize(800, 450)), printer));
    QFile pdf(folder_.filePath("view.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

} // namespace
} // namespace trelvo::qt
