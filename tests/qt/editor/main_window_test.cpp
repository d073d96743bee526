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

#include <regex>

namespace trelvo::qt::test {
namespace {

using enum CommandId;

QMenu* MenuTitled(MainWindow& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

QStringList ItemTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

using MainWindowTest = DesktopTest;

TEST_F(MainWindowTest, TitleIconAndSize) {
    EXPECT_EQ(Window().windowTitle(), QStringLiteral(" TRELVO V.3.7"));
    EXPECT_FALSE(Window().windowIcon().isNull());
    EXPECT_EQ(Window().size(), QSize(640, 480));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((Window().geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(MainWindowTest, MenusInOrderWithLabelsAndShortcutTexts) {
    QStringList titles;
    for (QAction* action : Window().menuBar()->actions())
        titles.append(action->text());
    EXPECT_EQ(titles, (QStringList{"File", "Edit", "About"}));
    EXPECT_EQ(ItemTexts(MenuTitled(Window(), "File")),
              (QStringList{"&New\tCTRL+N", "&Open\tCTRL+O", "&Save\tCTRL+S", "Save &As",
                           "&Print\tCTRL+P", "|", "&Exit\tCTRL+Q"}));
    EXPECT_EQ(ItemTexts(MenuTitled(Window(), "Edit")),
              (QStringList{"&Find\tCTRL+F", "Find &Next\tF3", "&Replace\tCTRL+H", "&Undo\tCTRL+Z"}));
    EXPECT_EQ(ItemTexts(MenuTitled(Window(), "About")), (QStringList{"&Help\tF1", "A&bout"}));
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

TEST_F(MainWindowTest, ToolbarOrderSeparatorsAndTooltips) {
    // (id, tooltip); id 0 is a separator.
    const std::vector<std::pair<int, QString>> expected{
        {1, "New File"},   {2, "Open File"},          {3, "Save"},       {8, "Print"},
        {0, ""},           {5, "Cut Selected Text"}, {6, "Copy Selected Text"},
        {7, "Paste Text"}, {11, "Find Text"},         {14, "Change Font"}, {0, ""},
        {10, ""},          {0, ""},                   {15, "Help Page"}, {0, ""},
        {18, ""},          {0, ""},                   {17, "Run Trelvo"}, {0, ""},
        {19, ""},          {0, ""},                   {21, "Launch Vantrel"}, {0, ""}};
    const QList<QAction*> actions = Window().ToolBar()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE("toolbar entry " + std::to_string(i));
        if (expected[i].first == 0) {
            EXPECT_TRUE(action->isSeparator());
            continue;
        }
        EXPECT_EQ(action->data().toInt(), expected[i].first);
        auto* button = qobject_cast<QToolButton*>(Window().ToolBar()->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), expected[i].second);
        EXPECT_FALSE(action->icon().isNull());
    }
}

TEST_F(MainWindowTest, ButtonStatesAtStart) {
    for (CommandId id : {New, Open, Save, Print, Cut, Copy, Paste, Find, ChangeFont, HelpPage})
        EXPECT_TRUE(Window().ButtonAction(id)->isEnabled()) << static_cast<int>(id);
    for (CommandId id : {RunAnalysis, LaunchViewer, Exit, Placeholder18, Placeholder19})
        EXPECT_FALSE(Window().ButtonAction(id)->isEnabled()) << static_cast<int>(id);
    EXPECT_TRUE(Window().ButtonAction(HelpPage)->isCheckable());
    EXPECT_FALSE(Window().ButtonAction(HelpPage)->isChecked());
    EXPECT_FALSE(Window().ButtonAction(New)->isCheckable());
    EXPECT_FALSE(Window().MenuAction(HelpPage)->isChecked());
}

TEST_F(MainWindowTest, PlaceholdersStayDisabledForGood) {
    for (CommandId id : {Exit, Placeholder18, Placeholder19}) {
        ThePlatform().SetButtonEnabled(id, true);
        EXPECT_FALSE(Window().ButtonAction(id)->isEnabled());
        EXPECT_TRUE(Window().ButtonAction(id)->toolTip().isEmpty());
    }
}

TEST_F(MainWindowTest, RunAndLaunchFollowThePlatformCalls) {
    ThePlatform().SetButtonEnabled(LaunchViewer, true);
    EXPECT_TRUE(ThePlatform().IsButtonEnabled(LaunchViewer));
    EXPECT_FALSE(ThePlatform().IsButtonEnabled(RunAnalysis));
    ThePlatform().SetButtonEnabled(LaunchViewer, false);
    EXPECT_FALSE(Window().ButtonAction(LaunchViewer)->isEnabled());
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

TEST_F(MainWindowTest, StatusFieldsAfterStartAndThroughThePlatform) {
    const std::string clock = Window().StatusField(0)->text().toStdString();
    EXPECT_TRUE(std::regex_match(clock, std::regex(R"(  \d\d/\d\d/\d{4} \d\d:\d\d)"))) << clock;
    EXPECT_EQ(Window().StatusField(1)->text(), QStringLiteral(" 0 chars "));
    ThePlatform().SetStatusText(1, "name 12 chars ");
    EXPECT_EQ(Window().StatusField(1)->text(), QStringLiteral("name 12 chars "));
    ThePlatform().BuildStatusBar();
    EXPECT_TRUE(Window().StatusField(0)->text().isEmpty());
    EXPECT_TRUE(Window().StatusField(1)->text().isEmpty());
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
