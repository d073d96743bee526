// The window around the document: start-up, the status bar, the help window and About box,
// and the commands the shell hands to the editor and to the other command handlers.

#include "tests/editor/shell_session.h"

#include "editor/help_texts.h"
#include "editor/status_bar_text.h"

namespace trelvo::testing {
namespace {

TEST(StatusBarText, ClockFieldPadsEveryNumber) {
    EXPECT_EQ(ClockFieldText({2026, 12, 7, 9, 5}), "  12/07/2026 09:05");
    EXPECT_EQ(ClockFieldText({2027, 1, 2, 0, 0}), "  01/02/2027 00:00");
    EXPECT_EQ(ClockFieldText({1999, 10, 31, 23, 59}), "  10/31/1999 23:59");
}

TEST(StatusBarText, DocumentFieldNamesTheFileAndCountsTheCharacters) {
    EXPECT_EQ(DocumentFieldText("", 0), " 0 chars ");
    EXPECT_EQ(DocumentFieldText("/decks/bridge.txt", 1270), "/decks/bridge.txt 1270 chars ");
}

using StartUp = ShellTest;

TEST_F(StartUp, ReadsTheStartFolderAndFillsTheStatusBar) {
    EXPECT_EQ(shell.StartFolder(), kFolder);
    EXPECT_EQ(platform.statusBarBuilds, 1);
    EXPECT_EQ(platform.statusTexts[0], "  12/07/2026 09:05");
    EXPECT_EQ(platform.statusTexts[1], " 0 chars ");
    EXPECT_FALSE(shell.HelpShown());
    EXPECT_FALSE(shell.QuitRequested());
}

TEST_F(StartUp, TheStartFolderDoesNotFollowTheCurrentFolder) {
    platform.currentFolder = "/tmp/elsewhere";
    platform.openAnswers.push_back("");
    Do(CommandId::Open);
    EXPECT_EQ(platform.openRequests[0].defaultText, kFolder + "/");
}

TEST(StartUpState, TheDocumentAndFontStartEmptyAndDefault) {
    Session s;
    EXPECT_EQ(s.shell.Document().fileName, "");
    EXPECT_EQ(s.shell.Document().savedSnapshot, "");
    EXPECT_EQ(s.shell.Document().loadedSize, 0);
    EXPECT_EQ(s.shell.Font().faceName, "Arial");
    EXPECT_EQ(s.shell.Font().pointSize, 11);
    EXPECT_EQ(s.shell.Font().styleFlags, 0);
    EXPECT_EQ(s.shell.Font().textColour, 0u);
    EXPECT_EQ(s.shell.Search().findText, "");
}

using StatusBar = ShellTest;

TEST_F(StatusBar, CountsEachLineEndAsTwoCharacters) {
    Type("a\r\nb\r\nc\r\n");
    shell.OnTimer();
    EXPECT_EQ(platform.statusTexts[1], " 9 chars ");
}

TEST_F(StatusBar, EditingDoesNotRefreshItButTheClockTickDoes) {
    Type("abcd");
    platform.now = {2026, 12, 7, 9, 6};
    EXPECT_EQ(platform.statusTexts[0], "  12/07/2026 09:05");
    EXPECT_EQ(platform.statusTexts[1], " 0 chars ");
    shell.OnTimer();
    EXPECT_EQ(platform.statusTexts[0], "  12/07/2026 09:06");
    EXPECT_EQ(platform.statusTexts[1], " 4 chars ");
    EXPECT_EQ(platform.statusBarBuilds, 1);
}

TEST_F(StatusBar, AResizeRebuildsAndFillsItAtOnce) {
    Type("xy");
    shell.OnResize();
    EXPECT_EQ(platform.statusBarBuilds, 2);
    EXPECT_EQ(platform.statusTexts[0], "  12/07/2026 09:05");
    EXPECT_EQ(platform.statusTexts[1], " 2 chars ");
}

TEST_F(StatusBar, NewAndSaveShowAtTheNextTick) {
    Type("abc");
    SaveAs(kDeckPath);
    EXPECT_EQ(platform.statusTexts[1], " 0 chars ");
    shell.OnTimer();
    EXPECT_EQ(platform.statusTexts[1], kDeckPath + " 3 chars ");
    Do(CommandId::New);
    EXPECT_EQ(platform.statusTexts[1], kDeckPath + " 3 chars ");
    shell.OnTimer();
    EXPECT_EQ(platform.statusTexts[1], " 0 chars ");
}

using HelpAndAbout = ShellTest;

TEST_F(HelpAndAbout, HelpPageTogglesTheWindowAndTheCheckMark) {
    Do(CommandId::HelpPage);
    EXPECT_TRUE(shell.HelpShown());
    EXPECT_TRUE(platform.helpWindowShown);
    EXPECT_TRUE(platform.menuChecks[CommandId::HelpPage]);
    Do(CommandId::HelpPage);
    EXPECT_FALSE(shell.HelpShown());
    EXPECT_FALSE(platform.helpWindowShown);
    EXPECT_FALSE(platform.menuChecks[CommandId::HelpPage]);
    Do(CommandId::HelpPage);
    EXPECT_TRUE(platform.helpWindowShown);
}

TEST_F(HelpAndAbout, AboutShowsTheSameTextEveryTime) {
    Do(CommandId::About);
    Do(CommandId::About);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0], (ShownMessage{" Trelvo", AboutText()}));
    EXPECT_EQ(platform.messages[1], platform.messages[0]);
    EXPECT_EQ(platform.messages[0].text.rfind(std::string(14, ' ') + "Trelvo \r\n", 0), 0u);
}

using Dispatch = ShellTest;

TEST_F(Dispatch, ClipboardCommandsAndUndoReachTheEditor) {
    Type("one two");
    editor.SelectRange(0, 4);
    Do(CommandId::Copy);
    EXPECT_EQ(editor.clipboard, "one ");
    EXPECT_EQ(Text(), "one two");
    editor.SelectRange(7, 7);
    Do(CommandId::Paste);
    EXPECT_EQ(Text(), "one twoone ");
    Do(CommandId::Undo);
    EXPECT_EQ(Text(), "one two");
    editor.SelectRange(4, 7);
    Do(CommandId::Cut);
    EXPECT_EQ(Text(), "one ");
    EXPECT_EQ(editor.clipboard, "two");
}

// The editor menu's own two commands. Positions count a line end as one character.
struct EditRow {
    CommandId id;
    std::string text;
    int start; // the selection before
    int end;
    std::string after;
    int afterStart;
    int afterEnd;
};

TEST(EditorMenuCommands, DeleteTakesTheSelectionAndSelectAllTakesEverything) {
    using enum CommandId;
    const std::vector<EditRow> rows{
        {Delete, "one two", 0, 4, "two", 0, 0},
        {Delete, "ab\r\ncd", 1, 4, "ad", 1, 1},
        {Delete, "one two", 3, 3, "one two", 3, 3},
        {SelectAll, "ab\r\ncd", 2, 2, "ab\r\ncd", 0, 5},
        {SelectAll, "", 0, 0, "", 0, 0},
    };
    for (const EditRow& row : rows) {
        SCOPED_TRACE(row.text + (row.id == Delete ? ", Delete" : ", Select All"));
        Session s;
        s.Open(kDeckPath, row.text);
        s.editor.SelectRange(row.start, row.end);
        s.Do(row.id);
        EXPECT_EQ(s.Text(), row.after);
        EXPECT_EQ(s.editor.SelectionStart(), row.afterStart);
        EXPECT_EQ(s.editor.SelectionEnd(), row.afterEnd);
        EXPECT_EQ(s.RunEnabled(), row.after == row.text) << "Run is disabled by a change only";
    }
}

TEST_F(Dispatch, FindAndFindNextSelectTheMatches) {
    Type("ab\r\nab");
    platform.promptAnswers.push_back("ab");
    Do(CommandId::Find);
    EXPECT_EQ(shell.Search().findText, "ab");
    EXPECT_EQ(editor.SelectionStart(), 0);
    Do(CommandId::FindNext);
    EXPECT_EQ(editor.SelectionStart(), 3);
    EXPECT_EQ(editor.SelectionEnd(), 5);
}

TEST_F(Dispatch, ChangeFontUpdatesTheEditorFont) {
    FontChoice choice;
    choice.faceName = "Courier New";
    choice.sizeTenths = 140;
    choice.weight = 700;
    platform.fontChoices.push_back(choice);
    Do(CommandId::ChangeFont);
    EXPECT_EQ(shell.Font().faceName, "Courier New");
    EXPECT_EQ(shell.Font().pointSize, 14);
    ASSERT_FALSE(editor.appliedFonts.empty());
    EXPECT_EQ(editor.appliedFonts.back().font.faceName, "Courier New");
}

TEST_F(Dispatch, PrintPrintsTheEditorLines) {
    Type("first\r\nsecond");
    platform.printAnswers.push_back(true);
    Do(CommandId::Print);
    EXPECT_EQ(platform.printed.Lines(), (std::vector<std::string>{"first", "second"}));
}

TEST_F(Dispatch, IdsWithoutACommandDoNothing) {
    Open(kDeckPath, kBarDeck);
    for (int id : {0, 9, 18, 19, 24, 26, 28, 99, -1}) {
        SCOPED_TRACE(id);
        Do(static_cast<CommandId>(id));
    }
    EXPECT_EQ(Text(), kBarText);
    EXPECT_EQ(FileName(), kDeckPath);
    EXPECT_TRUE(RunEnabled());
    EXPECT_TRUE(LaunchEnabled());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.started.empty());
    EXPECT_EQ(platform.openRequests.size(), 1u);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_FALSE(shell.QuitRequested());
    EXPECT_FALSE(shell.HelpShown());
}

} // namespace
} // namespace trelvo::testing
