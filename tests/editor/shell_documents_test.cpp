// New, Open, Save, Save As and the save they share: what reaches the editor and the disk,
// the requesters, and every refusal.

#include "tests/editor/shell_session.h"

#include <functional>

namespace trelvo::testing {
namespace {

const ShownMessage kBlankName{"Warning", "Blank File Name, Operation aborted."};
const ShownMessage kTooLong{"Warning", "File is limited to 64000 chars"};

// `count` lines of `width` letters, each ending in CR LF.
std::string CrLfLines(int count, int width) {
    std::string bytes;
    for (int line = 0; line < count; ++line)
        bytes += std::string(static_cast<std::size_t>(width), static_cast<char>('a' + line % 26)) +
                 "\r\n";
    return bytes;
}

using NewCommand = ShellTest;

TEST_F(NewCommand, EmptiesTheDocumentButKeepsTheSnapshot) {
    Open(kDeckPath, "abc\r\n");
    Do(CommandId::New);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(FileName(), "");
    EXPECT_EQ(shell.Document().loadedSize, 0);
    EXPECT_EQ(shell.Document().savedSnapshot, "abc");
}

using OpenCommand = ShellTest;

TEST_F(OpenCommand, AsksWithTheStartFolderAndLoadsTheFile) {
    Open(kDeckPath, "first\r\nsecond\r\n");
    ASSERT_EQ(platform.openRequests.size(), 1u);
    EXPECT_EQ(platform.openRequests[0], (FileRequest{"File/Open", kFolder + "/"}));
    EXPECT_EQ(Text(), "first\r\nsecond");
    EXPECT_EQ(FileName(), kDeckPath);
    EXPECT_EQ(shell.Document().savedSnapshot, "first\r\nsecond");
    EXPECT_EQ(shell.Document().loadedSize, 15); // (5 + 2) + (6 + 2)
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenCommand, TheRequesterNeverOffersThePreviousName) {
    Open(kDeckPath, "abc");
    Open(kFolder + "/other.txt", "def");
    ASSERT_EQ(platform.openRequests.size(), 2u);
    EXPECT_EQ(platform.openRequests[1].defaultText, kFolder + "/");
}

TEST_F(OpenCommand, AFileWithoutAFinalLineEndOpensLikeTheSameFileWithOne) {
    Open(kDeckPath, "a\r\nb");
    const std::string without = Text();
    Open(kDeckPath, "a\r\nb\r\n");
    EXPECT_EQ(Text(), without);
    EXPECT_EQ(without, "a\r\nb");
}

struct LineEndCase {
    const char* name;
    std::string bytes;
    std::string text;
    long long loadedSize;
};

TEST_F(OpenCommand, ReadsEveryKindOfLineEnd) {
    const std::vector<LineEndCase> cases{
        {"CR LF", "ab\r\ncd\r\n", "ab\r\ncd", 8},
        {"LF only: one more than the file per line", "ab\ncd\n", "ab\r\ncd", 8},
        {"CR only", "ab\rcd\r", "ab\r\ncd", 8},
        {"mixed", "ab\ncd\r\nef\rgh", "ab\r\ncd\r\nef\r\ngh", 16},
        {"NUL ends a line", std::string("ab\0cd", 5), "ab\r\ncd", 8},
        {"empty lines kept", "\r\n\r\nx\r\n", "\r\n\r\nx", 7},
        {"an empty file is one empty line", "", "", 2},
    };
    for (const LineEndCase& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.Open(kDeckPath, c.bytes);
        EXPECT_EQ(s.Text(), c.text);
        EXPECT_EQ(s.shell.Document().loadedSize, c.loadedSize);
        EXPECT_TRUE(s.RunEnabled());
    }
}

TEST_F(OpenCommand, AnLfOnlyFileIsSavedWithCrLf) {
    Open(kDeckPath, "one\ntwo\nthree\n");
    Do(CommandId::Save);
    EXPECT_EQ(platform.files[kDeckPath], "one\r\ntwo\r\nthree");
}

TEST_F(OpenCommand, AnEmptyFileSavesEmpty) {
    Open(kDeckPath, "");
    Do(CommandId::Save);
    EXPECT_EQ(platform.files[kDeckPath], "");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenCommand, CancelledLeavesAnEmptyUnnamedDocumentSilently) {
    Open(kDeckPath, "abc");
    Type("def");
    platform.saveChoices.push_back(SaveChoice::Discard);
    platform.openAnswers.push_back("");
    Do(CommandId::Open);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(FileName(), "");
    EXPECT_EQ(shell.Document().loadedSize, 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OpenCommand, AnUnreadableFileLeavesAnEmptyDocumentWithItsName) {
    const std::string locked = kFolder + "/locked.txt";
    platform.unreadable.insert(locked);
    Open(locked, "secret");
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(FileName(), locked);
    EXPECT_EQ(shell.Document().loadedSize, 0);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(RunEnabled());
    EXPECT_FALSE(LaunchEnabled());
}

TEST_F(OpenCommand, AMissingFileIsCreatedByTheNextSaveWithoutARequester) {
    const std::string fresh = kFolder + "/new-deck.txt";
    platform.openAnswers.push_back(fresh);
    Do(CommandId::Open);
    EXPECT_EQ(FileName(), fresh);
    Type("TITLE");
    Do(CommandId::Save);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(platform.files[fresh], "TITLE");
    EXPECT_TRUE(RunEnabled());
}

TEST_F(OpenCommand, TheStatusBarShowsTheFileAtTheNextTickOnly) {
    Open(kDeckPath, "abc\r\nde");
    EXPECT_EQ(platform.statusTexts[1], " 0 chars ");
    shell.OnTimer();
    EXPECT_EQ(platform.statusTexts[1], kDeckPath + " 7 chars ");
}

// A document named on the command line opens exactly as Open opens that name: the same
// text, name, snapshot, loaded size, buttons and messages, readable or not.
TEST(OpenAtStart, OpensTheNamedDocumentAsOpenWould) {
    for (const bool readable : {true, false}) {
        SCOPED_TRACE(readable ? "readable" : "unreadable");
        Session atStart;
        Session opened;
        for (Session* session : {&atStart, &opened}) {
            session->platform.files[kDeckPath] = kBarDeck;
            if (!readable)
                session->platform.unreadable.insert(kDeckPath);
        }
        atStart.shell.Start(kDeckPath);
        opened.platform.openAnswers.push_back(kDeckPath);
        opened.Do(CommandId::Open);

        EXPECT_TRUE(atStart.platform.openRequests.empty()) << "no requester";
        EXPECT_EQ(atStart.Text(), opened.Text());
        EXPECT_EQ(atStart.FileName(), kDeckPath);
        EXPECT_EQ(atStart.shell.Document().savedSnapshot, opened.shell.Document().savedSnapshot);
        EXPECT_EQ(atStart.shell.Document().loadedSize, opened.shell.Document().loadedSize);
        EXPECT_EQ(atStart.RunEnabled(), readable);
        EXPECT_EQ(atStart.LaunchEnabled(), opened.LaunchEnabled());
        EXPECT_EQ(atStart.platform.messages, opened.platform.messages);
    }
}

// A dropped file opens exactly as Open opens that name, without the requester: the same
// text, name, snapshot, loaded size, buttons and messages, readable or not.
TEST(DroppedFile, OpensAsOpenWould) {
    const std::string dropped = kFolder + "/dropped.txt";
    for (const bool readable : {true, false}) {
        SCOPED_TRACE(readable ? "readable" : "unreadable");
        Session byDrop;
        Session byOpen;
        for (Session* session : {&byDrop, &byOpen}) {
            session->Open(kDeckPath, "an earlier deck");
            session->platform.files[dropped] = kBarDeck;
            if (!readable)
                session->platform.unreadable.insert(dropped);
        }
        byDrop.Drop(dropped);
        byOpen.platform.openAnswers.push_back(dropped);
        byOpen.Do(CommandId::Open);

        EXPECT_EQ(byDrop.platform.openRequests.size(), 1u) << "only the earlier Open's";
        EXPECT_EQ(byDrop.Text(), readable ? kBarText : "");
        EXPECT_EQ(byDrop.Text(), byOpen.Text());
        EXPECT_EQ(byDrop.FileName(), dropped);
        EXPECT_EQ(byDrop.shell.Document().savedSnapshot, byOpen.shell.Document().savedSnapshot);
        EXPECT_EQ(byDrop.shell.Document().loadedSize, byOpen.shell.Document().loadedSize);
        EXPECT_EQ(byDrop.RunEnabled(), readable);
        EXPECT_EQ(byDrop.RunEnabled(), byOpen.RunEnabled());
        EXPECT_EQ(byDrop.LaunchEnabled(), byOpen.LaunchEnabled());
        EXPECT_EQ(byDrop.platform.messages, byOpen.platform.messages);
    }
}

using SaveCommands = ShellTest;

TEST_F(SaveCommands, SaveReplacesTheNamedFileWithoutAsking) {
    Open(kDeckPath, "old");
    Retype("new\r\ntext");
    Do(CommandId::Save);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(platform.files[kDeckPath], "new\r\ntext");
    EXPECT_EQ(shell.Document().savedSnapshot, "new\r\ntext");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveCommands, SaveWithoutANameAsksLikeSaveAs) {
    Type("typed");
    platform.saveAnswers.push_back(kDeckPath);
    Do(CommandId::Save);
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0], (FileRequest{"File/SaveAs", kFolder + "/"}));
    EXPECT_EQ(platform.files[kDeckPath], "typed");
    EXPECT_EQ(FileName(), kDeckPath);
}

TEST_F(SaveCommands, SaveAsOffersTheStartFolderAndTheCurrentName) {
    Open(kDeckPath, "abc");
    SaveAs(kFolder + "/copy.txt");
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0], (FileRequest{"File/SaveAs", kFolder + "/" + kDeckPath}));
    EXPECT_EQ(platform.files[kFolder + "/copy.txt"], "abc");
    EXPECT_EQ(FileName(), kFolder + "/copy.txt");
}

TEST_F(SaveCommands, SaveAsReplacesAnExistingFileWithoutAQuestion) {
    platform.files[kFolder + "/other.txt"] = "previous content";
    Type("replacement");
    SaveAs(kFolder + "/other.txt");
    EXPECT_EQ(platform.files[kFolder + "/other.txt"], "replacement");
    EXPECT_EQ(platform.saveQuestions, 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SaveCommands, ASaveEnablesRunButLeavesLaunchAlone) {
    Type("abc");
    SaveAs(kDeckPath);
    EXPECT_TRUE(RunEnabled());
    EXPECT_FALSE(LaunchEnabled());
}

TEST_F(SaveCommands, WritesTheTextExactlyWithNothingAdded) {
    Type("line 1\r\nline 2\r\n");
    SaveAs(kDeckPath);
    EXPECT_EQ(platform.files[kDeckPath], "line 1\r\nline 2\r\n");
}

// Each refusal leaves the document, the buttons and the disk as they were.
struct Refusal {
    const char* name;
    std::function<void(Session&)> arrange; // after an Open of kDeckPath holding "old"
    CommandId command;
    ShownMessage message;
};

TEST_F(SaveCommands, EveryRefusalChangesNothing) {
    const std::string failing = kFolder + "/read-only/deck.txt";
    const std::vector<Refusal> refusals{
        {"Save As cancelled", [](Session& s) { s.platform.saveAnswers.push_back(""); },
         CommandId::SaveAs, kBlankName},
        {"the file cannot be created",
         [&](Session& s) {
             s.platform.failingWrites.insert(failing);
             s.platform.saveAnswers.push_back(failing);
         },
         CommandId::SaveAs,
         {"Warning", "File " + failing + " creation failed"}},
        {"the named file cannot be replaced",
         [](Session& s) { s.platform.failingWrites.insert(kDeckPath); },
         CommandId::Save,
         {"Warning", "File " + kDeckPath + " creation failed"}},
        {"a character one byte cannot hold",
         [](Session& s) { s.editor.unencodableLine = 12; },
         CommandId::Save,
         {"Warning", "Line 12 holds a character that cannot be saved in a single-byte file; "
                     "nothing was written."}},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        Session s;
        s.Open(kDeckPath, "old");
        s.Type("new ");
        refusal.arrange(s);
        s.Do(refusal.command);
        EXPECT_EQ(s.platform.messages, Shown(refusal.message));
        EXPECT_EQ(s.platform.files[kDeckPath], "old");
        EXPECT_EQ(s.platform.files.count(failing), 0u);
        EXPECT_EQ(s.FileName(), kDeckPath);
        EXPECT_EQ(s.shell.Document().savedSnapshot, "old");
        EXPECT_EQ(s.Text(), "new old");
        EXPECT_FALSE(s.RunEnabled());
        EXPECT_TRUE(s.LaunchEnabled());
    }
}

TEST_F(SaveCommands, ACancelledSaveOfAnUnnamedDocumentSaysTheNameIsBlank) {
    Type("abc");
    platform.saveAnswers.push_back("");
    Do(CommandId::Save);
    EXPECT_EQ(platform.messages, Shown(kBlankName));
    EXPECT_TRUE(platform.writeAttempts.empty());
}

TEST_F(SaveCommands, AFailedAtomicWriteLeavesTheOldFileWhole) {
    Open(kDeckPath, "first version\r\n");
    Retype("second version, longer than the first");
    platform.failingWrites.insert(kDeckPath);
    Do(CommandId::Save);
    EXPECT_EQ(platform.writeAttempts, std::vector<std::string>{kDeckPath});
    EXPECT_EQ(platform.files[kDeckPath], "first version\r\n");
    EXPECT_EQ(platform.messages, Shown({"Warning", "File " + kDeckPath + " creation failed"}));
    // Once the disk accepts it, the same Save goes through.
    platform.failingWrites.clear();
    Do(CommandId::Save);
    EXPECT_EQ(platform.files[kDeckPath], "second version, longer than the first");
    EXPECT_TRUE(RunEnabled());
}

TEST_F(SaveCommands, AnUnencodableCharacterWritesNothingEvenToANewName) {
    Type("caf\xe9 \r\nx");
    editor.unencodableLine = 2;
    SaveAs(kDeckPath);
    EXPECT_TRUE(platform.writeAttempts.empty());
    EXPECT_EQ(platform.files.count(kDeckPath), 0u);
    EXPECT_EQ(FileName(), "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Warning");
    EXPECT_EQ(platform.messages[0].text.rfind("Line 2 holds a character", 0), 0u);
    // Latin-1 characters themselves are single bytes and save as they are.
    editor.unencodableLine.reset();
    SaveAs(kDeckPath);
    EXPECT_EQ(platform.files[kDeckPath], "caf\xe9 \r\nx");
}

using LoadedSizeLimit = ShellTest;

TEST_F(LoadedSizeLimit, AFileOfExactly64000BytesSaves) {
    const std::string bytes = CrLfLines(1000, 62);
    ASSERT_EQ(bytes.size(), 64000u);
    Open(kDeckPath, bytes);
    EXPECT_EQ(shell.Document().loadedSize, 64000);
    SaveAs(kFolder + "/copy.txt");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.files[kFolder + "/copy.txt"], bytes.substr(0, bytes.size() - 2));
}

TEST_F(LoadedSizeLimit, AFileOf64001BytesOpensButIsRefusedAtSave) {
    std::string bytes = CrLfLines(999, 62) + std::string(63, 'z') + "\r\n";
    ASSERT_EQ(bytes.size(), 64001u);
    Open(kDeckPath, bytes);
    EXPECT_EQ(shell.Document().loadedSize, 64001);
    EXPECT_TRUE(RunEnabled());
    Type("edit ");
    Do(CommandId::Save);
    EXPECT_EQ(platform.messages, Shown(kTooLong));
    EXPECT_EQ(platform.files[kDeckPath], bytes);
    EXPECT_TRUE(platform.writeAttempts.empty());
}

TEST_F(LoadedSizeLimit, DeletingTextDoesNotLiftTheLimitButNewDoes) {
    Open(kDeckPath, std::string(64001, 'x'));
    Retype("short");
    SaveAs(kFolder + "/short.txt");
    EXPECT_EQ(platform.messages, Shown(kTooLong));
    platform.saveChoices.push_back(SaveChoice::Discard);
    Do(CommandId::New);
    Type("short");
    SaveAs(kFolder + "/short.txt");
    EXPECT_EQ(platform.files[kFolder + "/short.txt"], "short");
}

TEST_F(LoadedSizeLimit, TypingFarPastTheLimitIntoANewDocumentSaves) {
    std::string typed;
    for (int line = 0; line < 2000; ++line)
        typed += std::string(48, 'k') + "\r\n";
    ASSERT_GT(typed.size(), 96000u);
    Type(typed);
    SaveAs(kDeckPath);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.files[kDeckPath], typed);
}

TEST_F(LoadedSizeLimit, ABlankNameIsReportedBeforeTheSize) {
    Open(kDeckPath, std::string(64001, 'x'));
    platform.saveAnswers.push_back("");
    Do(CommandId::SaveAs);
    EXPECT_EQ(platform.messages, Shown(kBlankName));
}

} // namespace
} // namespace trelvo::testing
