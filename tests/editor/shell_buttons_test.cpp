// The Run analysis and Launch viewer buttons over the whole shell, and the after-event rule
// that disables Run once the editor no longer holds the saved text.

#include "tests/editor/shell_session.h"

#include <functional>

namespace trelvo::testing {
namespace {

struct ButtonRow {
    const char* moment;
    std::function<void(Session&)> steps;
    bool run;
    bool launch;
};

const std::vector<ButtonRow>& ButtonRows() {
    static const std::vector<ButtonRow> rows{
        {"start-up", [](Session&) {}, false, false},
        {"New after an Open",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.Do(CommandId::New);
         },
         false, false},
        {"Open succeeded", [](Session& s) { s.Open(kDeckPath, kBarDeck); }, true, true},
        {"Open of an empty file succeeded", [](Session& s) { s.Open(kDeckPath, ""); }, true, true},
        {"Open cancelled at start-up",
         [](Session& s) {
             s.platform.openAnswers.push_back("");
             s.Do(CommandId::Open);
         },
         false, false},
        {"Open cancelled after an Open: the emptied text differs from the snapshot",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.platform.openAnswers.push_back("");
             s.Do(CommandId::Open);
         },
         false, true},
        {"Open of an unreadable file after an Open",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.platform.unreadable.insert(kFolder + "/locked.txt");
             s.Open(kFolder + "/locked.txt", "x");
         },
         false, true},
        {"typed text saved",
         [](Session& s) {
             s.Type("abc");
             s.SaveAs(kDeckPath);
         },
         true, false},
        {"typed text whose save failed",
         [](Session& s) {
             s.Type("abc");
             s.platform.failingWrites.insert(kDeckPath);
             s.SaveAs(kDeckPath);
         },
         false, false},
        {"one character typed after an Open",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.Type("x");
         },
         false, true},
        {"an edit undone back to the saved text",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.Type("x");
             s.Do(CommandId::Undo);
             EXPECT_EQ(s.Text(), s.shell.Document().savedSnapshot);
         },
         false, true},
        {"an edit saved",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.Type("x");
             s.Do(CommandId::Save);
         },
         true, true},
        {"Run finished",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.Do(CommandId::RunAnalysis);
         },
         false, true},
        {"Run finished after an input error",
         [](Session& s) {
             s.Open(kDeckPath, kBadDeck);
             s.Do(CommandId::RunAnalysis);
         },
         false, true},
        {"Run finished although its save failed",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.platform.failingWrites.insert(kResultsPath);
             s.Do(CommandId::RunAnalysis);
         },
         false, true},
        {"results file saved again after a Run",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.Do(CommandId::RunAnalysis);
             s.Do(CommandId::Save);
         },
         true, true},
        {"New after a Run",
         [](Session& s) {
             s.Open(kDeckPath, kBarDeck);
             s.Do(CommandId::RunAnalysis);
             s.Do(CommandId::New);
         },
         false, false},
    };
    return rows;
}

TEST(ShellButtons, EveryMomentOfTheButtonTable) {
    for (const ButtonRow& row : ButtonRows()) {
        SCOPED_TRACE(row.moment);
        Session session;
        row.steps(session);
        EXPECT_EQ(session.RunEnabled(), row.run);
        EXPECT_EQ(session.LaunchEnabled(), row.launch);
    }
}

// F5 and F6 reach the shell whatever the buttons show: a command whose button is disabled
// does nothing at all.
struct KeyRow {
    const char* moment;
    std::function<void(Session&)> steps;
    CommandId id;
    bool acts;
};

TEST(ToolbarKeys, ActOnlyWhileTheirButtonIsEnabled) {
    const auto typedAfterOpen = [](Session& s) {
        s.Open(kDeckPath, kBarDeck);
        s.Type("x");
    };
    const std::vector<KeyRow> rows{
        {"start-up", [](Session&) {}, CommandId::RunAnalysis, false},
        {"start-up", [](Session&) {}, CommandId::LaunchViewer, false},
        {"typed after an Open", typedAfterOpen, CommandId::RunAnalysis, false},
        {"typed after an Open", typedAfterOpen, CommandId::LaunchViewer, true},
        {"Open succeeded", [](Session& s) { s.Open(kDeckPath, kBarDeck); }, CommandId::RunAnalysis,
         true},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(std::string(row.moment) +
                     (row.id == CommandId::RunAnalysis ? ", F5" : ", F6"));
        Session s;
        row.steps(s);
        const std::string text = s.Text();
        const std::string name = s.FileName();
        s.Do(row.id);
        const bool ran = !s.platform.writeAttempts.empty();
        const bool launched = !s.platform.started.empty();
        EXPECT_EQ(ran, row.acts && row.id == CommandId::RunAnalysis);
        EXPECT_EQ(launched, row.acts && row.id == CommandId::LaunchViewer);
        if (!row.acts) {
            EXPECT_EQ(s.Text(), text);
            EXPECT_EQ(s.FileName(), name);
            EXPECT_TRUE(s.platform.messages.empty());
            EXPECT_TRUE(s.platform.viewerQueries.empty());
        }
    }
}

using RunButtonRule = ShellTest;

TEST_F(RunButtonRule, AChangeOfTheSameLengthDisablesRun) {
    Open(kDeckPath, "abc");
    editor.SelectRange(0, 1);
    Type("X");
    ASSERT_EQ(Text(), "Xbc");
    EXPECT_FALSE(RunEnabled());
}

TEST_F(RunButtonRule, AnEditUndoneWithinTheSameEventLeavesRunEnabled) {
    // The rule looks at the text after the event, not at what happened during it.
    Open(kDeckPath, "abc");
    editor.Type("x");
    editor.Undo();
    shell.AfterEvent();
    EXPECT_TRUE(RunEnabled());
}

TEST_F(RunButtonRule, NeverEnablesRun) {
    Type("abc");
    ASSERT_FALSE(RunEnabled());
    // Make the text equal to the (empty) snapshot again.
    Retype("");
    ASSERT_EQ(Text(), shell.Document().savedSnapshot);
    shell.AfterEvent();
    EXPECT_FALSE(RunEnabled());
}

TEST_F(RunButtonRule, EventsWithoutAnEditDoNotReadTheText) {
    Open(kDeckPath, kBarDeck);
    const int reads = editor.textReads;
    for (int tick = 0; tick < 5; ++tick) {
        shell.OnTimer();
        shell.AfterEvent();
    }
    EXPECT_EQ(editor.textReads, reads);
    EXPECT_TRUE(RunEnabled());
}

TEST_F(RunButtonRule, ATextOfAnotherLengthIsNotReadWhole) {
    Open(kDeckPath, kBarDeck);
    const int reads = editor.textReads;
    Type("x");
    EXPECT_FALSE(RunEnabled());
    EXPECT_EQ(editor.textReads, reads);
}

TEST_F(RunButtonRule, EditsWhileRunIsDisabledAreNotCompared) {
    Type("a");
    const int reads = editor.textReads;
    Type("b");
    Type("c");
    EXPECT_EQ(editor.textReads, reads);
}

TEST_F(RunButtonRule, ReplaceThatChangesTheTextDisablesRun) {
    Open(kDeckPath, "one two");
    platform.promptAnswers = {"two", "three"};
    Do(CommandId::Replace);
    ASSERT_EQ(Text(), "one three");
    EXPECT_FALSE(RunEnabled());
}

TEST_F(RunButtonRule, CommandsThatLeaveTheTextAloneKeepRunEnabled) {
    Open(kDeckPath, "one two");
    platform.promptAnswers = {"two"};
    Do(CommandId::Find);
    Do(CommandId::FindNext);
    Do(CommandId::HelpPage);
    editor.SelectRange(0, 3);
    Do(CommandId::Copy);
    EXPECT_TRUE(RunEnabled());
}

TEST_F(RunButtonRule, ACutDisablesRunAndItsUndoDoesNotEnableIt) {
    Open(kDeckPath, "one two");
    editor.SelectRange(0, 4);
    Do(CommandId::Cut);
    ASSERT_EQ(Text(), "two");
    EXPECT_FALSE(RunEnabled());
    Do(CommandId::Undo);
    ASSERT_EQ(Text(), "one two");
    EXPECT_FALSE(RunEnabled());
}

} // namespace
} // namespace trelvo::testing
