// Keys pressed in the main window: accelerators run their commands before the editor
// sees the key, and every other key is the editor's.
#include "tests/qt/editor/desktop_fixture.h"
#include "editor/help_texts.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>

namespace trelvo::qt::test {
namespace {

using enum CommandId;
using AcceleratorTest = DesktopTest;

TEST_F(AcceleratorTest, CtrlHOpensReplaceInsteadOfDeletingACharacter) {
    Type("abcab");
    script_.Then(TypeAndEnter("ab"));
    script_.Then(TypeAndEnter("X"));
    Press(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(script_.Titles(), (QStringList{"Replace", "Replace"}));
    EXPECT_EQ(Editor().GetText(), "XcX");
}

TEST_F(AcceleratorTest, CtrlFFindsAndF3FindsTheNext) {
    Type("ab ab ab");
    script_.Then(TypeAndEnter("ab"));
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(script_.Titles(), QStringList{"Find"});
    EXPECT_EQ(Editor().textCursor().selectionStart(), 0);
    EXPECT_EQ(Editor().textCursor().selectionEnd(), 2);
    Press(Qt::Key_F3);
    EXPECT_EQ(Editor().textCursor().selectionStart(), 3);
    EXPECT_EQ(Editor().textCursor().selectionEnd(), 5);
    Press(Qt::Key_F3);
    EXPECT_EQ(Editor().textCursor().selectionStart(), 6);
    EXPECT_EQ(TheShell().Search().matchIndex, 6);
}

TEST_F(AcceleratorTest, EscapeQuitsWithoutAQuestionWhenNothingIsUnsaved) {
    Press(Qt::Key_Escape);
    EXPECT_TRUE(TheShell().QuitRequested());
    EXPECT_TRUE(ThePlatform().QuitRequested());
    EXPECT_TRUE(script_.Titles().isEmpty());
}

TEST_F(AcceleratorTest, CtrlQQuits) {
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(ThePlatform().QuitRequested());
}

TEST_F(AcceleratorTest, EscapeWithUnsavedTextAsksAndCancelKeepsTheProgram) {
    Type("x");
    script_.Then(PushBoxButton(QMessageBox::Cancel));
    Press(Qt::Key_Escape);
    EXPECT_EQ(script_.Titles(), QStringList{" Trelvo"});
    EXPECT_FALSE(ThePlatform().QuitRequested());
    EXPECT_EQ(Editor().GetText(), "x");
}

TEST_F(AcceleratorTest, F1TogglesTheHelpWindowAndTheCheckMarkOnly) {
    Press(Qt::Key_F1);
    EXPECT_TRUE(Help().isVisible());
    EXPECT_TRUE(Window().MenuAction(HelpPage)->isChecked());
    EXPECT_FALSE(Window().ButtonAction(HelpPage)->isChecked()) << "the button flips only when clicked";
    QTest::keyClick(&Window(), Qt::Key_F1); // back in the main window
    EXPECT_FALSE(Help().isVisible());
    EXPECT_FALSE(Window().MenuAction(HelpPage)->isChecked());
}

TEST_F(AcceleratorTest, AcceleratorsDoNothingWhileTheHelpWindowIsActive) {
    Press(Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Help()));
    QTest::keyClick(&Help(), Qt::Key_F1);
    QTest::keyClick(&Help(), Qt::Key_Escape);
    EXPECT_TRUE(Help().isVisible());
    EXPECT_TRUE(TheShell().HelpShown());
    EXPECT_FALSE(ThePlatform().QuitRequested());
}

TEST_F(AcceleratorTest, CtrlZUndoesTheLastEdit) {
    Editor().SetText("deck");
    Editor().SelectRange(4, 4);
    Type("ab");
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Editor().GetText(), "deck");
}

// The editor would take Ctrl+Z (and other keys of its own) before any shortcut: it must
// leave every accelerator to the window, and only those.
TEST_F(AcceleratorTest, EditorLeavesAcceleratorKeysToTheWindow) {
    auto overridden = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::ShortcutOverride, key, modifiers, QString());
        event.ignore();
        QCoreApplication::sendEvent(&Editor(), &event);
        return event.isAccepted();
    };
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_H, Qt::Key_N, Qt::Key_F})
        EXPECT_FALSE(overridden(key, Qt::ControlModifier)) << key;
    EXPECT_FALSE(overridden(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_FALSE(overridden(Qt::Key_F1, Qt::NoModifier));
    EXPECT_TRUE(overridden(Qt::Key_C, Qt::ControlModifier)) << "copy stays the editor's";
    EXPECT_TRUE(overridden(Qt::Key_Left, Qt::NoModifier));
}

TEST_F(AcceleratorTest, CtrlNWithUnsavedTextAsksAndDiscardEmptiesTheEditor) {
    Type("deck");
    script_.Then(PushBoxButton(QMessageBox::Discard));
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Editor().GetText(), "");
}

TEST_F(AcceleratorTest, CtrlSWithoutANameAsksForOneAndACancelIsReported) {
    Type("deck");
    script_.Then(Cancel());
    script_.Then(PushBoxButton(QMessageBox::Ok));
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(script_.Titles(), (QStringList{"File/SaveAs", "Warning"}));
}

TEST_F(AcceleratorTest, TabMovesTheFocusAndIsNeverTyped) {
    Type("a");
    Press(Qt::Key_Tab);
    QTest::keyClick(&Editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Editor().GetText(), "a");
}

TEST_F(AcceleratorTest, OtherKeysReachTheEditor) {
    Type("ab");
    Press(Qt::Key_Left);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_A, Qt::ControlModifier); // the editor's own select-all
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Editor().GetText(), "b");
    EXPECT_TRUE(Editor().textCursor().hasSelection());
}

TEST_F(AcceleratorTest, TypingIntoAnOpenedDocumentDisablesRun) {
    ThePlatform().SetButtonEnabled(RunAnalysis, true); // as after an Open of an empty file
    Type("x");
    EXPECT_FALSE(Window().ButtonAction(RunAnalysis)->isEnabled());
}

TEST_F(AcceleratorTest, CloseRequestOfTheMainWindowIsTheShellsCall) {
    Type("unsaved");
    script_.Then(PushBoxButton(QMessageBox::Cancel));
    EXPECT_FALSE(Window().close());
    EXPECT_TRUE(Window().isVisible());
    script_.Then(PushBoxButton(QMessageBox::Discard));
    EXPECT_TRUE(Window().close());
    EXPECT_TRUE(ThePlatform().QuitRequested());
}

} // namespace
} // namespace trelvo::qt::test
