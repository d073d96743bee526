// New, Open, Save and Save As through the real window and the system's requesters: the
// bytes on disk, the buttons, the atomic save under a refusal, the question before
// unsaved text is discarded, and a document named on the command line.
#include "tests/win32/editor/program_fixture.h"

#include "win32/editor/save_question.h"
#include "tests/win32/editor/user_input.h"

namespace trelvo::win32::test {
namespace {

using enum CommandId;

class DocumentsTest : public ProgramTest {
protected:
    void OpenFile(const std::string& path) {
        script_.Then(ChooseFile(path));
        Press('O', {VK_CONTROL});
        ASSERT_EQ(TheShell().Document().fileName, path);
    }
    bool RunEnabled() { return Window().Tools().IsEnabled(RunAnalysis); }
    bool LaunchEnabled() { return Window().Tools().IsEnabled(LaunchViewer); }

    TemporaryFolder folder_;
};

TEST_F(DocumentsTest, OpenReadsEveryLineEndAndEnablesRunAndLaunch) {
    const std::string path = folder_.File("deck.txt");
    ASSERT_TRUE(WriteBytes(path, "title\n1 0\r\n1 0 0 0 0 0 0 0 0 0\r"));
    OpenFile(path);
    EXPECT_EQ(script_.Titles(), std::vector<std::string>{"File/Open"});
    EXPECT_EQ(Editor().GetText(), "title\r\n1 0\r\n1 0 0 0 0 0 0 0 0 0");
    EXPECT_TRUE(RunEnabled());
    EXPECT_TRUE(LaunchEnabled());
    ::SendMessageA(Window().Handle(), WM_TIMER, MainWindow::kClockTimer, 0);
    EXPECT_EQ(Window().Status().Text(1), path + " 31 chars ");
}

TEST_F(DocumentsTest, CancelledOpenLeavesAnEmptyUnnamedDocument) {
    script_.Then(PushButton(IDCANCEL));
    Press('O', {VK_CONTROL});
    EXPECT_EQ(Editor().GetText(), "");
    EXPECT_EQ(TheShell().Document().fileName, "");
    EXPECT_FALSE(RunEnabled());
}

TEST_F(DocumentsTest, SaveAsWritesCrLfAndNamesTheDocument) {
    Type(L"ab");
    Press(VK_RETURN);
    Type(L"cd");
    const std::string path = folder_.File("typed.txt");
    script_.Then(ChooseFile(path));
    Press('S', {VK_CONTROL});
    EXPECT_EQ(script_.Titles(), std::vector<std::string>{"File/SaveAs"});
    EXPECT_EQ(ReadBytes(path), "ab\r\ncd");
    EXPECT_EQ(TheShell().Document().fileName, path);
    EXPECT_TRUE(RunEnabled());
    EXPECT_FALSE(LaunchEnabled());
}

TEST_F(DocumentsTest, TypingDisablesRunAndSavingEnablesItAgain) {
    const std::string path = folder_.File("deck.txt");
    ASSERT_TRUE(WriteBytes(path, "abc"));
    OpenFile(path);
    Type(L"x");
    EXPECT_FALSE(RunEnabled());
    Press('Z', {VK_CONTROL}); // back to the saved text: the button stays disabled
    EXPECT_EQ(Editor().GetText(), "abc");
    EXPECT_FALSE(RunEnabled());
    Press('S', {VK_CONTROL});
    EXPECT_TRUE(RunEnabled());
}

// The old file stays whole when the new text cannot take its place.
TEST_F(DocumentsTest, RefusedSaveKeepsTheOldBytesAndWarns) {
    const std::string path = folder_.File("kept.txt");
    ASSERT_TRUE(WriteBytes(path, "old\r\nbytes"));
    OpenFile(path);
    Type(L"new ");
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    script_.Then(PushButton(IDOK));
    Press('S', {VK_CONTROL});
    EXPECT_EQ(script_.Titles().back(), "Warning");
    EXPECT_EQ(script_.Texts().back(), "File " + path + " creation failed");
    EXPECT_EQ(ReadBytes(path), "old\r\nbytes");
    EXPECT_FALSE(RunEnabled());

    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    Press('S', {VK_CONTROL});
    EXPECT_EQ(ReadBytes(path), "new old\r\nbytes");
    EXPECT_TRUE(RunEnabled());
}

TEST_F(DocumentsTest, QuestionNamesTheProgramAndAsks) {
    Type(L"unsaved");
    script_.Then(PushButton(IDCANCEL));
    Press('N', {VK_CONTROL});
    EXPECT_EQ(script_.Titles(), std::vector<std::string>{kSaveChangesTitle});
    EXPECT_EQ(script_.Texts(), std::vector<std::string>{kSaveChangesText});
}

// Before New, Open, Exit, Escape and a close request, unsaved text is asked about.
TEST_F(DocumentsTest, UnsavedTextIsAskedAboutBeforeItGoes) {
    const struct {
        const char* what;
        std::function<void()> act;
        bool quits;
    } actions[] = {
        {"New", [this] { Press('N', {VK_CONTROL}); }, false},
        {"Exit", [this] { Press('Q', {VK_CONTROL}); }, true},
        {"Escape", [this] { Press(VK_ESCAPE); }, true},
        {"close box", [this] { Close(); }, true},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.what);
        Start();
        Type(L"unsaved");
        script_.Then(PushButton(IDCANCEL));
        action.act();
        EXPECT_EQ(Editor().GetText(), "unsaved");
        EXPECT_FALSE(TheProgram().QuitRequested());

        script_.Then(PushButton(IDNO));
        action.act();
        EXPECT_EQ(TheProgram().QuitRequested(), action.quits);
        if (!action.quits) {
            EXPECT_EQ(Editor().GetText(), "");
        }
    }
}

// Signing out asks as a close does: Cancel keeps the session from ending, Discard lets it
// end (the session then ends the program); with nothing unsaved it ends without a word.
TEST_F(DocumentsTest, SessionEndAsksAboutUnsavedText) {
    const auto sessionMayEnd = [this] {
        return ::SendMessageW(Window().Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    };
    EXPECT_EQ(sessionMayEnd(), TRUE);
    EXPECT_TRUE(script_.Titles().empty());
    Type(L"unsaved");
    script_.Then(PushButton(IDCANCEL));
    EXPECT_EQ(sessionMayEnd(), FALSE);
    script_.Then(PushButton(IDNO));
    EXPECT_EQ(sessionMayEnd(), TRUE);
    EXPECT_EQ(script_.Titles(), (std::vector<std::string>{kSaveChangesTitle, kSaveChangesTitle}));
    EXPECT_FALSE(TheProgram().QuitRequested());
}

// A file dragged from Explorer (a drag holding its name, here on the clipboard's data
// object) and dropped on the editor opens as Open opens it, after the question.
TEST_F(DocumentsTest, FileDroppedFromExplorerOpens) {
    const std::string path = folder_.File("\xCE\x94 dropped.txt"); // "Δ dropped.txt"
    ASSERT_TRUE(WriteBytes(path, "a\nb"));
    ASSERT_TRUE(PumpUntil([&] { return Editor().DropTarget() != nullptr; }, 2000));
    ASSERT_TRUE(SetClipboardFile(path));
    IDataObject* data = nullptr;
    ASSERT_EQ(::OleGetClipboard(&data), S_OK);
    Type(L"unsaved");
    script_.Then(PushButton(IDNO));
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    Editor().DropTarget()->DragEnter(data, MK_LBUTTON, POINTL{0, 0}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    Editor().DropTarget()->Drop(data, MK_LBUTTON, POINTL{0, 0}, &effect);
    data->Release();
    EXPECT_EQ(Editor().GetText(), "a\r\nb");
    EXPECT_EQ(TheShell().Document().fileName, path);
    EXPECT_TRUE(RunEnabled());
}

TEST_F(DocumentsTest, SaveAnswerSavesFirstAndThenGoesOn) {
    const std::string path = folder_.File("saved.txt");
    Type(L"keep me");
    script_.Then(PushButton(IDYES));
    script_.Then(ChooseFile(path));
    Press('N', {VK_CONTROL});
    EXPECT_EQ(ReadBytes(path), "keep me");
    EXPECT_EQ(Editor().GetText(), "");
}

TEST_F(DocumentsTest, NothingToLoseMeansNoQuestion) {
    Press(VK_ESCAPE);
    EXPECT_TRUE(TheProgram().QuitRequested());
    EXPECT_TRUE(script_.Titles().empty());
}

TEST_F(DocumentsTest, DocumentNamedOnTheCommandLineOpensAtStartUp) {
    const std::string path = folder_.File("named.txt");
    ASSERT_TRUE(WriteBytes(path, "a\nb"));
    Start(path);
    EXPECT_EQ(Editor().GetText(), "a\r\nb");
    EXPECT_EQ(TheShell().Document().fileName, path);
    EXPECT_TRUE(RunEnabled());
    EXPECT_TRUE(LaunchEnabled());
    EXPECT_EQ(Window().Status().Text(1), path + " 4 chars ");
}

TEST_F(DocumentsTest, UnreadableNameOnTheCommandLineGivesAnEmptyNamedDocument) {
    const std::string path = folder_.File("missing.txt");
    Start(path);
    EXPECT_EQ(Editor().GetText(), "");
    EXPECT_EQ(TheShell().Document().fileName, path);
    EXPECT_FALSE(RunEnabled());
    EXPECT_FALSE(LaunchEnabled());
}

} // namespace
} // namespace trelvo::win32::test
