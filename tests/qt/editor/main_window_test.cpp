// The main window as it stands after start-up: title, size, menus, toolbar, editor and
// status bar, and how they keep their places when the window is resized.
#include "tests/qt/editor/desktop_fixture.h"
#include "editor/font_commands.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>


namespace trelvo::qt::test {
namespace {

using enum CommandId;

using MainWindowTest = DesktopTest;

TEST_F(MainWindowTest, TitleIconAndSize) {
    EXPECT_EQ(Window().windowTitle(), QStringLiteral(" TRELVO V.3.7"));
    EXPECT_FALSE(Window().windowIcon().isNull());
    EXPECT_EQ(Window().size(), QSize(640, 480));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((Window().geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(MainWindowTest, MenuItemsCarryTheirWindowShortcuts) {
    const std::pair<CommandId, const char*> keys[] = {
        {New, "Ctrl+N"},      {Open, "Ctrl+O"},    {Save, "Ctrl+S"},     {Print, "Ctrl+P"},
        {Exit, "Ctrl+Q"},     {Find, "Ctrl+F"},    {FindNext, "F3"},     {Replace, "Ctrl+H"},
        {Undo, "Ctrl+Z"},     {HelpPage, "F1"}};
    for (const auto& [id, key] : keys) {
        QAction* item = Window().MenuAction(id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(key))) << key;
        EXPECT_EQ(item->shortcutContext(), Qt::WindowShortcut) << key;
    }
    EXPECT_TRUE(Window().MenuAction(SaveAs)->shortcut().isEmpty());
    EXPECT_TRUE(Window().MenuAction(About)->shortcut().isEmpty());
}

TEST_F(MainWindowTest, MenuShowsOnlyTheShortcutTextOfTheTable) {
    // The menu appends the action's own shortcut only to a text without a TAB: the item
    // must show "CTRL+N", not also "Ctrl+N".
    QAction* item = Window().MenuAction(New);
    EXPECT_EQ(item->text().count(QLatin1Char('\t')), 1);
    EXPECT_TRUE(item->text().endsWith(QStringLiteral("\tCTRL+N")));
}

TEST_F(MainWindowTest, EditorStartsWithArialElevenPointsInBlack) {
    const FontSpec expected = MakeFont("Arial", 11, 0, ThePlatform().DisplayDpiY());
    EXPECT_EQ(Editor().font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(Editor().font().pixelSize(), -expected.pixelHeight);
    EXPECT_EQ(Editor().font().weight(), QFont::Normal);
    EXPECT_FALSE(Editor().font().italic());
    EXPECT_EQ(Editor().palette().color(QPalette::Text), QColor(Qt::black));
}

void ExpectEditorBetweenBars(MainWindow& window) {
    QCoreApplication::processEvents();
    QWidget& editor = window.Editor();
    const QPoint topLeft = editor.mapTo(&window, QPoint(0, 0));
    EXPECT_EQ(topLeft.x(), 5);
    EXPECT_EQ(window.width() - (topLeft.x() + editor.width()), 5);
    const QRect toolBar = window.ToolBar()->geometry();
    const QRect statusBar = window.statusBar()->geometry();
    EXPECT_EQ(topLeft.y(), toolBar.bottom() + 1);
    EXPECT_EQ(topLeft.y() + editor.height(), statusBar.top());
}

TEST_F(MainWindowTest, EditorKeepsFivePixelsAtTheSidesAfterResizes) {
    ExpectEditorBetweenBars(Window());
    for (QSize size : {QSize(800, 600), QSize(500, 300), QSize(1000, 420)}) {
        Window().resize(size);
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        ExpectEditorBetweenBars(Window());
    }
}

TEST_F(MainWindowTest, StatusFieldsKeepTheirWidths) {
    for (QSize size : {QSize(640, 480), QSize(1000, 500), QSize(300, 300)}) {
        Window().resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(Window().StatusField(0)->width(), 120);
        EXPECT_EQ(Window().StatusField(1)->width(), 450);
    }
    EXPECT_EQ(Window().StatusField(0)->frameShadow(), QFrame::Sunken);
    EXPECT_LT(Window().StatusField(0)->x(), Window().StatusField(1)->x());
}

TEST_F(MainWindowTest, ResizeRefillsTheStatusBar) {
    ThePlatform().BuildStatusBar();
    Type("abc");
    Press(Qt::Key_Return);
    Window().resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(Window().StatusField(1)->text(), QStringLiteral(" 5 chars "));
    EXPECT_FALSE(Window().StatusField(0)->text().isEmpty());
}

TEST_F(MainWindowTest, ClockTickRefillsTheStatusBar) {
    ThePlatform().BuildStatusBar();
    QTest::qWait(1000);
    EXPECT_TRUE(Window().StatusField(0)->text().isEmpty()) << "not refreshed by itself";
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Window().StatusField(0)->text().isEmpty(); }, 4000));
    EXPECT_EQ(Window().StatusField(1)->text(), QStringLiteral(" 0 chars "));
}

TEST_F(MainWindowTest, ChangeFontKeepsTheEditorGeometry) {
    QCoreApplication::processEvents();
    const QRect before = Window().Editor().geometry();
    script_.Then(PressKey(Qt::Key_Return));
    ClickButton(ChangeFont);
    QCoreApplication::processEvents();
    EXPECT_EQ(Window().Editor().geometry(), before);
    EXPECT_EQ(script_.Titles(), QStringList{QStringLiteral("Font")});
}

} // namespace
} // namespace trelvo::qt::test
