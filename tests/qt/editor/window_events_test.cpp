// What reaches the window from outside its menus: the editor's right-click menu, files
// dropped from a file manager, and the end of the desktop session.
#include "tests/qt/editor/desktop_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QUrl>

namespace trelvo::qt::test {
namespace {

using enum CommandId;

class WindowEventsTest : public DesktopTest {
protected:
    // A right click in the middle of the editor; the menu it shows.
    QMenu* RightClick() {
        QWidget* area = Editor().viewport();
        const QPoint at = area->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, area->mapToGlobal(at));
        QCoreApplication::sendEvent(area, &click);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    // Drags the data onto the widget and drops it there; whether the drop was taken. A
    // dropped file opens once the drop is over.
    static bool Drop(QWidget& target, const QMimeData& data) {
        const QPoint at = target.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    void OpenDeck(const QString& path, const QByteArray& bytes) {
        Write(path, bytes);
        script_.Then(ChooseFile(path));
        Press(Qt::Key_O, Qt::ControlModifier);
    }

    // An opened, empty deck with an unsaved edit.
    void EditOpenedDeck(const QString& path) {
        OpenDeck(path, "");
        Type("edited ");
    }

    QTemporaryDir folder_;
};

// The window's own menu shows, not the one QPlainTextEdit would make (it has Redo).
TEST_F(WindowEventsTest, ARightClickShowsTheWindowsEditorMenu) {
    QMenu* menu = RightClick();
    ASSERT_EQ(menu, Window().EditorMenu()) << "the widget's own menu showed";
    menu->hide();
}

// Each item takes its command's path through the shell: the after-event step runs, and a
// paste is checked as Ctrl+V's is.
TEST_F(WindowEventsTest, TheEditorMenuItemsRunTheirCommandsThroughTheShell) {
    OpenDeck(folder_.filePath(QStringLiteral("deck.txt")), "ab");
    Window().EditorMenuAction(SelectAll)->trigger();
    EXPECT_EQ(Editor().textCursor().selectedText(), QStringLiteral("ab"));
    EXPECT_TRUE(Window().ButtonAction(RunAnalysis)->isEnabled());
    Window().EditorMenuAction(Delete)->trigger();
    EXPECT_EQ(Editor().GetText(), "");
    EXPECT_FALSE(Window().ButtonAction(RunAnalysis)->isEnabled());
    Window().EditorMenuAction(Undo)->trigger();
    EXPECT_EQ(Editor().GetText(), "ab");

    QGuiApplication::clipboard()->setText(QStringLiteral("x\u0100y"));
    script_.Then(PushBoxButton(QMessageBox::Ok));
    Window().EditorMenuAction(Paste)->trigger();
    EXPECT_EQ(script_.Titles().last(), QStringLiteral("Warning"));
    EXPECT_EQ(Editor().GetText(), "ab");
}

// A drag from a file manager, onto the window or the editor: the first local file opens,
// after the question when the text is unsaved.
struct DropRow {
    const char* name;
    bool onEditor;
    bool unsaved;
    int answer; // to the question, when one is asked
    bool opens;
};

class FileDropTest : public WindowEventsTest, public ::testing::WithParamInterface<DropRow> {};

TEST_P(FileDropTest, OpensTheFirstLocalFileAsOpenWould) {
    const DropRow& row = GetParam();
    const QString earlier = folder_.filePath(QStringLiteral("earlier.txt"));
    const QString dropped = folder_.filePath(QStringLiteral("dropped deck.txt"));
    Write(dropped, "DROPPED\r\n0 0");
    if (row.unsaved) {
        EditOpenedDeck(earlier);
        script_.Then(PushBoxButton(row.answer));
    }
    QMimeData drag;
    drag.setUrls(
        {QUrl(QStringLiteral("https://example.org/deck.txt")), QUrl::fromLocalFile(dropped)});
    EXPECT_TRUE(Drop(row.onEditor ? *Editor().viewport() : static_cast<QWidget&>(Window()), drag));
    EXPECT_TRUE(script_.Done());
    EXPECT_EQ(Editor().GetText(), row.opens ? "DROPPED\r\n0 0" : "edited ");
    EXPECT_EQ(TheShell().Document().fileName, (row.opens ? dropped : earlier).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FileDropTest,
    ::testing::Values(DropRow{"Window", false, false, 0, true},
                      DropRow{"EditorDiscard", true, true, QMessageBox::Discard, true},
                      DropRow{"EditorCancel", true, true, QMessageBox::Cancel, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WindowEventsTest, TextDroppedIntoTheEditorIsInsertedAndAWebAddressIsNotOpened) {
    QMimeData text;
    text.setText(QStringLiteral("text"));
    EXPECT_TRUE(Drop(*Editor().viewport(), text));
    EXPECT_EQ(Editor().GetText(), "text");
    QMimeData address;
    address.setUrls({QUrl(QStringLiteral("https://example.org/deck.txt"))});
    EXPECT_FALSE(Drop(Window(), address));
    EXPECT_TRUE(TheShell().Document().fileName.empty());
}

// The session manager's side, as QSessionManager offers it.
struct ScriptedSessionManager {
    bool interaction = false;
    bool errorInteraction = false;
    int permissionRequests = 0;
    bool released = false;
    bool cancelled = false;
    QSessionManager::RestartHint hint = QSessionManager::RestartIfRunning;

    bool allowsInteraction() { return ++permissionRequests, interaction; }
    bool allowsErrorInteraction() { return ++permissionRequests, errorInteraction; }
    void release() { released = true; }
    void cancel() { cancelled = true; }
    void setRestartHint(QSessionManager::RestartHint restart) { hint = restart; }
};

// The session ends: the question where the manager permits it, Cancel cancels the end, and
// the manager's quit ends the program without a second question once the end was allowed.
// Without permission nothing is asked or cancelled; the quit asks as a close does.
struct SessionEndRow {
    const char* name;
    bool unsaved;
    bool interaction;
    bool errorInteraction;
    int answer; // 0: no question expected
    bool cancelled;
    bool quitAsks;
};

class SessionEndTest : public WindowEventsTest,
                       public ::testing::WithParamInterface<SessionEndRow> {};

TEST_P(SessionEndTest, AsksWhereItMayAndNeverTwice) {
    const SessionEndRow& row = GetParam();
    if (row.unsaved)
        EditOpenedDeck(folder_.filePath(QStringLiteral("deck.txt")));
    const qsizetype dialogsBefore = script_.Titles().size();
    ScriptedSessionManager manager{row.interaction, row.errorInteraction};
    if (row.answer != 0)
        script_.Then(PushBoxButton(row.answer));
    desktop_->SessionEnd().CommitData(manager);
    EXPECT_EQ(script_.Titles().size() - dialogsBefore, row.answer != 0 ? 1 : 0);
    EXPECT_EQ(manager.permissionRequests > 0, row.unsaved);
    EXPECT_EQ(manager.cancelled, row.cancelled);
    EXPECT_EQ(manager.released, row.answer != 0 && !row.cancelled);
    EXPECT_EQ(manager.hint, QSessionManager::RestartNever);
    EXPECT_EQ(Editor().GetText(), row.unsaved ? "edited " : "") << "nothing is discarded yet";

    if (row.quitAsks)
        script_.Then(PushBoxButton(QMessageBox::Cancel));
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    EXPECT_TRUE(script_.Done());
    EXPECT_EQ(ThePlatform().QuitRequested(), !row.quitAsks);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, SessionEndTest,
    ::testing::Values(
        SessionEndRow{"NothingUnsaved", false, true, true, 0, false, false},
        SessionEndRow{"Discard", true, true, false, QMessageBox::Discard, false, false},
        SessionEndRow{"AskedAsUrgent", true, false, true, QMessageBox::Discard, false, false},
        SessionEndRow{"Cancel", true, true, false, QMessageBox::Cancel, true, true},
        SessionEndRow{"NoPermission", true, false, false, 0, false, true}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace trelvo::qt::test
