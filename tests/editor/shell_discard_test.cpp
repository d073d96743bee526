// Text that differs from what was last opened or saved is never thrown away without the
// user's say: New, Open, a dropped file, Exit, Escape, a close request and the end of the
// desktop session ask first.

#include "tests/editor/shell_session.h"

#include <functional>

namespace trelvo::testing {
namespace {

const std::string kNextPath = kFolder + "/next.txt";

struct DiscardingAction {
    const char* name;
    std::function<void(Session&)> perform;
    // Whether the action went on; judged from what it does first.
    std::function<bool(const Session&)> wentOn;
};

bool Quitting(const Session& s) {
    return s.shell.QuitRequested() && s.platform.quitRequests == 1;
}

bool NextDeckOpened(const Session& s) {
    return s.Text() == "next deck" && s.FileName() == kNextPath;
}

// The session ends the program, or goes on when another program keeps it: the shell only
// answers, and quits nothing itself.
bool SessionMayEnd(const Session& s) {
    return s.sessionMayEnd == true && !s.shell.QuitRequested() && s.platform.quitRequests == 0;
}

const std::vector<DiscardingAction>& Actions() {
    static const std::vector<DiscardingAction> actions{
        {"New", [](Session& s) { s.Do(CommandId::New); },
         [](const Session& s) { return s.Text().empty() && s.FileName().empty(); }},
        {"Open",
         [](Session& s) {
             s.platform.files[kNextPath] = "next deck";
             s.platform.openAnswers.push_back(kNextPath);
             s.Do(CommandId::Open);
         },
         NextDeckOpened},
        {"dropped file",
         [](Session& s) {
             s.platform.files[kNextPath] = "next deck";
             s.Drop(kNextPath);
         },
         NextDeckOpened},
        {"Exit", [](Session& s) { s.Do(CommandId::Exit); }, Quitting},
        {"Escape", [](Session& s) { s.Do(CommandId::Quit); }, Quitting},
        {"close request", [](Session& s) { s.Close(); }, Quitting},
        {"session end", [](Session& s) { s.EndSession(); }, SessionMayEnd},
    };
    return actions;
}

// An opened deck with an unsaved edit in front of it.
void EditOpenedDeck(Session& s) {
    s.Open(kDeckPath, "deck");
    s.Type("edited ");
}

TEST(DiscardQuestion, NotAskedWhenTheTextEqualsTheSnapshot) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        s.Open(kDeckPath, "deck");
        action.perform(s);
        EXPECT_EQ(s.platform.saveQuestions, 0);
        EXPECT_TRUE(action.wentOn(s));
    }
}

TEST(DiscardQuestion, NotAskedWhenTheEditorIsEmpty) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        s.Open(kDeckPath, "deck");
        s.Retype("");
        ASSERT_NE(s.shell.Document().savedSnapshot, s.Text());
        action.perform(s);
        EXPECT_EQ(s.platform.saveQuestions, 0);
        EXPECT_TRUE(action.wentOn(s));
    }
}

TEST(DiscardQuestion, NotAskedAfterAnEditWasUndoneOrSaved) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session undone;
        EditOpenedDeck(undone);
        undone.Do(CommandId::Undo);
        action.perform(undone);
        EXPECT_EQ(undone.platform.saveQuestions, 0);
        EXPECT_TRUE(action.wentOn(undone));

        Session saved;
        EditOpenedDeck(saved);
        saved.Do(CommandId::Save);
        action.perform(saved);
        EXPECT_EQ(saved.platform.saveQuestions, 0);
        EXPECT_TRUE(action.wentOn(saved));
    }
}

TEST(DiscardQuestion, DiscardGoesOnWithoutSaving) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        EditOpenedDeck(s);
        s.platform.saveChoices.push_back(SaveChoice::Discard);
        action.perform(s);
        EXPECT_EQ(s.platform.saveQuestions, 1);
        EXPECT_TRUE(action.wentOn(s));
        EXPECT_EQ(s.platform.files[kDeckPath], "deck");
        EXPECT_TRUE(s.platform.writeAttempts.empty());
    }
}

TEST(DiscardQuestion, CancelDoesNothing) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        EditOpenedDeck(s);
        s.platform.saveChoices.push_back(SaveChoice::Cancel);
        action.perform(s);
        EXPECT_EQ(s.platform.saveQuestions, 1);
        EXPECT_FALSE(action.wentOn(s));
        EXPECT_EQ(s.Text(), "edited deck");
        EXPECT_EQ(s.FileName(), kDeckPath);
        EXPECT_FALSE(s.shell.QuitRequested());
        EXPECT_EQ(s.platform.quitRequests, 0);
        EXPECT_TRUE(s.platform.openRequests.size() == 1u); // only the first Open's
        EXPECT_TRUE(s.platform.messages.empty());
        EXPECT_TRUE(s.LaunchEnabled());
    }
}

TEST(DiscardQuestion, SaveStoresTheTextThenGoesOn) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        EditOpenedDeck(s);
        s.platform.saveChoices.push_back(SaveChoice::Save);
        action.perform(s);
        EXPECT_EQ(s.platform.files[kDeckPath], "edited deck");
        EXPECT_TRUE(action.wentOn(s));
        EXPECT_TRUE(s.platform.saveRequests.empty());
    }
}

TEST(DiscardQuestion, SaveOfAnUnnamedDocumentAsksForTheName) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        s.Type("typed, never saved");
        s.platform.saveChoices.push_back(SaveChoice::Save);
        s.platform.saveAnswers.push_back(kDeckPath);
        action.perform(s);
        ASSERT_EQ(s.platform.saveRequests.size(), 1u);
        EXPECT_EQ(s.platform.saveRequests[0].title, "File/SaveAs");
        EXPECT_EQ(s.platform.files[kDeckPath], "typed, never saved");
        EXPECT_TRUE(action.wentOn(s));
    }
}

TEST(DiscardQuestion, ASaveThatFailsAbandonsTheAction) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        EditOpenedDeck(s);
        s.platform.failingWrites.insert(kDeckPath);
        s.platform.saveChoices.push_back(SaveChoice::Save);
        action.perform(s);
        EXPECT_EQ(s.platform.messages,
                  Shown({"Warning", "File " + kDeckPath + " creation failed"}));
        EXPECT_FALSE(action.wentOn(s));
        EXPECT_EQ(s.Text(), "edited deck");
        EXPECT_FALSE(s.shell.QuitRequested());
    }
}

TEST(DiscardQuestion, ASaveWhoseRequesterIsCancelledAbandonsTheAction) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        s.Type("typed, never saved");
        s.platform.saveChoices.push_back(SaveChoice::Save);
        s.platform.saveAnswers.push_back("");
        action.perform(s);
        EXPECT_EQ(s.platform.messages, Shown({"Warning", "Blank File Name, Operation aborted."}));
        EXPECT_FALSE(action.wentOn(s));
        EXPECT_EQ(s.Text(), "typed, never saved");
        EXPECT_FALSE(s.shell.QuitRequested());
        EXPECT_EQ(s.platform.quitRequests, 0);
    }
}

TEST(DiscardQuestion, ASaveRefusedForItsSizeAbandonsTheAction) {
    for (const DiscardingAction& action : Actions()) {
        SCOPED_TRACE(action.name);
        Session s;
        s.Open(kDeckPath, std::string(64001, 'x'));
        s.Type("y");
        s.platform.saveChoices.push_back(SaveChoice::Save);
        action.perform(s);
        EXPECT_EQ(s.platform.messages, Shown({"Warning", "File is limited to 64000 chars"}));
        EXPECT_FALSE(action.wentOn(s));
    }
}

TEST(DiscardQuestion, TypedTextInANewDocumentIsAskedAbout) {
    Session s;
    s.Type("abc");
    s.platform.saveChoices.push_back(SaveChoice::Cancel);
    s.Do(CommandId::New);
    EXPECT_EQ(s.platform.saveQuestions, 1);
    EXPECT_EQ(s.Text(), "abc");
}

TEST(DiscardQuestion, OpenAsksBeforeTheRequesterAndCancelLeavesTheDocument) {
    Session s;
    EditOpenedDeck(s);
    s.platform.saveChoices.push_back(SaveChoice::Cancel);
    s.Do(CommandId::Open);
    EXPECT_EQ(s.platform.openRequests.size(), 1u);
    EXPECT_TRUE(s.platform.openAnswers.empty());
}

// After Discard the program goes on until the session ends it, and another program may
// keep the session: the text stays, and the next end of the session asks again.
TEST(SessionEnd, DiscardKeepsTheTextUntilTheSessionEndsTheProgram) {
    Session s;
    EditOpenedDeck(s);
    s.platform.saveChoices = {SaveChoice::Discard, SaveChoice::Cancel};
    s.EndSession();
    EXPECT_EQ(s.Text(), "edited deck");
    EXPECT_EQ(s.FileName(), kDeckPath);
    EXPECT_TRUE(s.shell.HasUnsavedText());
    s.EndSession();
    EXPECT_EQ(s.platform.saveQuestions, 2);
    EXPECT_EQ(s.sessionMayEnd, false);
}

TEST(QuitCommands, QuitAtOnceWhenNothingIsUnsaved) {
    for (CommandId id : {CommandId::Exit, CommandId::Quit}) {
        Session s;
        s.Do(id);
        EXPECT_TRUE(s.shell.QuitRequested());
        EXPECT_EQ(s.platform.quitRequests, 1);
        EXPECT_EQ(s.platform.saveQuestions, 0);
    }
}

TEST(QuitCommands, TheCloseThatFollowsTheQuitDoesNotAskAgain) {
    Session s;
    EditOpenedDeck(s);
    s.platform.saveChoices.push_back(SaveChoice::Discard);
    s.Do(CommandId::Exit);
    s.Close();
    EXPECT_EQ(s.platform.saveQuestions, 1);
    EXPECT_EQ(s.platform.quitRequests, 1);
    EXPECT_TRUE(s.shell.QuitRequested());
}

TEST(QuitCommands, AQuitCancelledOnceCanBeAskedAgain) {
    Session s;
    EditOpenedDeck(s);
    s.platform.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
    s.Close();
    EXPECT_FALSE(s.shell.QuitRequested());
    s.Close();
    EXPECT_TRUE(s.shell.QuitRequested());
    EXPECT_EQ(s.platform.saveQuestions, 2);
}

} // namespace
} // namespace trelvo::testing
