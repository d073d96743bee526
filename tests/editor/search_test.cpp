#include "editor/search.h"

#include "tests/editor/scripted_dialogs.h"
#include "tests/editor/scripted_editor.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace trelvo::testing {
namespace {

// --- The search copy -------------------------------------------------------------------

TEST(SearchCopy, MakesOnlyCrLfPairsOneLf) {
    struct Row {
        const char* what;
        std::string text;
        std::string expected;
    };
    const Row rows[] = {
        {"every CR LF", "ab\r\ncd\r\n", "ab\ncd\n"},
        {"two pairs in a row", "\r\n\r\n", "\n\n"},
        {"a lone CR and a lone LF", "a\rb\nc", "a\rb\nc"},
        {"LF before CR", "\n\r", "\n\r"},
        {"a CR at the end", "x\r", "x\r"},
        {"a CR pairs with the LF right after it", "\r\r\n", "\r\n"},
        {"an LF after a pair stays", "\r\n\n", "\n\n"},
        {"empty text", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(SearchCopy(row.text), row.expected);
    }
}

// --- Find-in -----------------------------------------------------------------------------

TEST(FindIn, FindsTheFirstOccurrenceAtOrAfterStart) {
    struct Row {
        const char* what;
        std::string text;
        std::string pattern;
        std::int32_t start;
        std::optional<std::int32_t> expected;
    };
    const Row rows[] = {
        {"at the start", "abcabc", "bc", 0, 1},
        {"from the match itself", "abcabc", "bc", 1, 1},
        {"just past a match", "abcabc", "bc", 2, 4},
        {"past the last match", "abcabc", "bc", 5, std::nullopt},
        {"case-sensitive: no match", "Node 1", "node", 0, std::nullopt},
        {"case-sensitive: the lower-case one", "Node node", "node", 0, 5},
        {"a start below zero counts as zero", "abc", "a", -1, 0},
        {"a start far below zero counts as zero", "abc", "a", -100, 0},
        {"the last character", "abc", "c", 2, 2},
        {"from the end", "abc", "c", 3, std::nullopt},
        {"from beyond the end", "abc", "c", 4, std::nullopt},
        {"in empty text", "", "c", 0, std::nullopt},
        {"the empty pattern", "abc", "", 0, std::nullopt},
        {"the empty pattern in empty text", "", "", 0, std::nullopt},
        {"a pattern longer than the text", "abab", "abc", 0, std::nullopt},
        {"a pattern longer than what is left", "abab", "ab", 3, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(FindIn(row.text, row.pattern, row.start), row.expected);
    }
}

// --- Replace-all -----------------------------------------------------------------------

TEST(ReplaceAll, ReplacesNonOverlappingOccurrencesInOneScan) {
    struct Row {
        const char* what;
        std::string text;
        std::string pattern;
        std::string replacement;
        std::string expected;
    };
    const Row rows[] = {
        {"a replacement made of the pattern", "aaa", "a", "aa", "aaaaaa"},
        {"a replacement ending in the pattern", "aa", "a", "ba", "baba"},
        {"from the left, an odd count", "aaa", "aa", "b", "ba"},
        {"from the left, an even count", "aaaa", "aa", "b", "bb"},
        {"every occurrence", "abcabc", "bc", "X", "aXaX"},
        {"an empty replacement deletes", "a-b-c-", "-", "", "abc"},
        {"an empty replacement can delete all", "xxxx", "x", "", ""},
        {"the empty pattern changes nothing", "abc", "", "X", "abc"},
        {"the empty pattern in empty text", "", "", "X", ""},
        {"a pattern across a CR LF", "ab\r\ncd", "b\r\nc", "-", "a-d"},
        {"the CR LF itself", "ab\r\ncd", "\r\n", " ", "ab cd"},
        {"a lone LF does not match a CR LF", "ab\r\ncd", "b\nc", "-", "ab\r\ncd"},
        {"matches at both ends", "xmidx", "x", "<>", "<>mid<>"},
        {"no match", "no match", "z", "Z", "no match"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(ReplaceAll(row.text, row.pattern, row.replacement), row.expected);
    }
}

TEST(ReplaceAll, HandlesATenMegabyteText) {
    // Every character is a match: a scan that restarts or copies per match would not
    // finish in the test's time.
    const std::string text(10'000'000, 'a');
    const std::string result = ReplaceAll(text, "a", "bc");
    ASSERT_EQ(result.size(), 20'000'000u);
    EXPECT_EQ(result.substr(0, 4), "bcbc");
    EXPECT_EQ(result.substr(result.size() - 4), "bcbc");
    EXPECT_EQ(result.find('a'), std::string::npos);
}

// --- The commands ----------------------------------------------------------------------

struct Range {
    int start = 0;
    int end = 0;
};

struct SearchSession {
    void Answer(const std::string& text) { dialogs.promptAnswers.push_back(text); }
    void Find(const std::string& text) {
        Answer(text);
        FindCommand(state, dialogs, editor);
    }
    void Replace(const std::string& findText, const std::string& replaceText) {
        Answer(findText);
        Answer(replaceText);
        ReplaceCommand(state, dialogs, editor);
    }
    void FindNext() { FindNextCommand(state, editor); }
    void ExpectSelection(int start, int end) const {
        EXPECT_EQ(editor.SelectionStart(), start);
        EXPECT_EQ(editor.SelectionEnd(), end);
    }
    void ExpectLastSelectCall(int start, int end) const {
        ASSERT_FALSE(editor.selectCalls.empty());
        EXPECT_EQ(editor.selectCalls.back().start, start);
        EXPECT_EQ(editor.selectCalls.back().end, end);
    }

    SearchState state;
    ScriptedDialogs dialogs;
    ScriptedEditor editor;
};

class SearchCommands : public ::testing::Test, public SearchSession {};

// --- Find ------------------------------------------------------------------------------

TEST_F(SearchCommands, StartWithEmptyTextsAndMatchIndexZero) {
    EXPECT_EQ(state.findText, "");
    EXPECT_EQ(state.replaceText, "");
    EXPECT_EQ(state.matchIndex, 0);
}

TEST_F(SearchCommands, FindPromptsWithThePreviousFindText) {
    editor.SetText("abc abc");
    Find("bc");
    Find("c");
    ASSERT_EQ(dialogs.promptRequests.size(), 2u);
    EXPECT_EQ(dialogs.promptRequests[0].title, "Find");
    EXPECT_EQ(dialogs.promptRequests[0].message, "Enter the text to Find");
    EXPECT_EQ(dialogs.promptRequests[0].preset, "");
    EXPECT_EQ(dialogs.promptRequests[1].preset, "bc");
    EXPECT_EQ(state.findText, "c");
}

// Find searches from the start whatever the selection; it selects a match and leaves the
// selection alone when there is none.
TEST(Find, SelectsTheFirstMatchOrKeepsTheSelection) {
    struct Row {
        const char* what;
        std::string text;
        Range before;
        std::string pattern;
        std::int32_t match;
        Range after;
    };
    const Row rows[] = {
        {"case-sensitive", "Node 1\r\nNode 2", {0, 0}, "node", -1, {0, 0}},
        {"a line break counts one", "ab\r\ncd", {0, 0}, "cd", 3, {3, 5}},
        {"the first occurrence, caret near the end", "x1 x2 x3", {7, 7}, "x", 0, {0, 1}},
        {"the first occurrence, caret at the end", "x1 x2 x3", {8, 8}, "x", 0, {0, 1}},
        {"a match at the very start", "abc", {2, 3}, "ab", 0, {0, 2}},
        {"a failed find", "abc def", {4, 6}, "xyz", -1, {4, 6}},
        {"another failed find", "abc def", {4, 6}, "q", -1, {4, 6}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SearchSession s;
        s.editor.SetText(row.text);
        s.editor.SelectRange(row.before.start, row.before.end);
        s.editor.selectCalls.clear();
        s.Find(row.pattern);
        EXPECT_EQ(s.state.matchIndex, row.match);
        if (row.match < 0)
            EXPECT_TRUE(s.editor.selectCalls.empty());
        else
            s.ExpectLastSelectCall(row.after.start, row.after.end);
        s.ExpectSelection(row.after.start, row.after.end);
    }
}

TEST_F(SearchCommands, CancelledFindSearchesForNothing) {
    editor.SetText("abc");
    state.findText = "b";
    Find(""); // the prompt cancelled
    EXPECT_EQ(dialogs.promptRequests.at(0).preset, "b");
    EXPECT_EQ(state.findText, "");
    EXPECT_EQ(state.matchIndex, -1);
    EXPECT_TRUE(editor.selectCalls.empty());
}

TEST_F(SearchCommands, FindNeverChangesTheText) {
    editor.SetText("ab\r\nab\r\n");
    const int setTextCalls = editor.setTextCalls;
    Find("ab");
    FindNext();
    EXPECT_EQ(editor.GetText(), "ab\r\nab\r\n");
    EXPECT_EQ(editor.setTextCalls, setTextCalls);
}

// --- Find Next -------------------------------------------------------------------------

// A Find, then Find Next after Find Next: each step selects its match, or finds none (-1)
// and leaves the selection and the select calls alone.
TEST(FindNext, StepsThroughTheMatchesWithoutWrappingRound) {
    struct Row {
        const char* what;
        std::string text;
        std::string pattern;
        std::vector<std::int32_t> matches; // after the Find and after each Find Next
    };
    const Row rows[] = {
        {"every one-character match in turn", "abaca", "a", {0, 2, 4, -1}},
        {"resumes after the whole match", "aaaa", "aa", {0, 2}},
        {"does not wrap round", "ab ab", "ab", {0, 3, -1}},
        // After the last match matchIndex is -1, so the next search starts at -1 + 2 = 1.
        {"after a failure, from one before the pattern length", "aaaa", "aa", {0, 2, -1, 1}},
        {"line breaks count one", "ab\r\nab\r\n\r\nab", "ab", {0, 3, 7}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SearchSession s;
        s.editor.SetText(row.text);
        const int length = static_cast<int>(row.pattern.size());
        Range selected;
        for (std::size_t step = 0; step < row.matches.size(); ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            const std::size_t selectCalls = s.editor.selectCalls.size();
            if (step == 0)
                s.Find(row.pattern);
            else
                s.FindNext();
            const std::int32_t match = row.matches[step];
            EXPECT_EQ(s.state.matchIndex, match);
            if (match < 0) {
                EXPECT_EQ(s.editor.selectCalls.size(), selectCalls);
            } else {
                selected = {match, match + length};
                s.ExpectLastSelectCall(selected.start, selected.end);
            }
            s.ExpectSelection(selected.start, selected.end);
        }
    }
}

TEST_F(SearchCommands, FindNextBeforeAnyFindFindsNothing) {
    editor.SetText("abc");
    editor.SelectRange(1, 2);
    editor.selectCalls.clear();
    FindNext();
    EXPECT_EQ(state.matchIndex, -1);
    EXPECT_TRUE(editor.selectCalls.empty());
    EXPECT_TRUE(dialogs.promptRequests.empty());
    ExpectSelection(1, 2);
}

TEST_F(SearchCommands, FindNextPastTheLargestPositionFindsNothing) {
    // The resumed search would start beyond what a 32-bit position holds: it must not
    // wrap round to the start of the text.
    editor.SetText("abc");
    state.findText = "a";
    state.matchIndex = std::numeric_limits<std::int32_t>::max();
    FindNext();
    EXPECT_EQ(state.matchIndex, -1);
    EXPECT_TRUE(editor.selectCalls.empty());
}

TEST_F(SearchCommands, FindNextIgnoresTheCaret) {
    editor.SetText("k1 k2 k3");
    Find("k");
    editor.SelectRange(7, 8);
    FindNext();
    EXPECT_EQ(state.matchIndex, 3);
    ExpectSelection(3, 4);
}

TEST_F(SearchCommands, FindNextGoesOnFromTheOldMatchInANewText) {
    editor.SetText("....x....x");
    Find("x");
    EXPECT_EQ(state.matchIndex, 4);
    editor.SetText("x.x.x.x.x.");
    FindNext();
    EXPECT_EQ(state.matchIndex, 6);
}

TEST_F(SearchCommands, FindNextReachesTheEndOfALargeDocument) {
    // 200 000 lines of "0123456789" plus "needle" at the end of the last line: each line
    // takes 11 positions, its break counting one.
    std::string text;
    text.reserve(2'400'000);
    for (int i = 0; i < 200'000; ++i)
        text += "0123456789\r\n";
    text += "needle";
    editor.SetText(text);
    Find("0123456789");
    EXPECT_EQ(state.matchIndex, 0);
    FindNext();
    EXPECT_EQ(state.matchIndex, 11);
    Find("needle");
    EXPECT_EQ(state.matchIndex, 2'200'000);
    ExpectSelection(2'200'000, 2'200'006);
}

// --- Replace ---------------------------------------------------------------------------

TEST_F(SearchCommands, ReplacePromptsTwiceWithThePreviousTexts) {
    editor.SetText("abc");
    state.findText = "old find";
    state.replaceText = "old change";
    Replace("b", "B");
    ASSERT_EQ(dialogs.promptRequests.size(), 2u);
    EXPECT_EQ(dialogs.promptRequests[0].title, "Replace");
    EXPECT_EQ(dialogs.promptRequests[0].message, "Entrer the text to be changed");
    EXPECT_EQ(dialogs.promptRequests[0].preset, "old find");
    EXPECT_EQ(dialogs.promptRequests[1].title, "Replace");
    EXPECT_EQ(dialogs.promptRequests[1].message, "Change to");
    EXPECT_EQ(dialogs.promptRequests[1].preset, "old change");
    EXPECT_EQ(state.findText, "b");
    EXPECT_EQ(state.replaceText, "B");
    EXPECT_EQ(editor.GetText(), "aBc");
}

TEST(Replace, ChangesEveryOccurrenceInTheEditorText) {
    struct Row {
        const char* what;
        std::string text;
        std::string findText;
        std::string replaceText;
        std::string expected;
        std::vector<std::string> lines; // of the expected text
    };
    const Row rows[] = {
        {"does not rescan its replacement", "aaa", "a", "aa", "aaaaaa", {"aaaaaa"}},
        {"takes non-overlapping matches from the left", "aaa", "aa", "b", "ba", {"ba"}},
        {"with nothing deletes every occurrence", "1 node\r\n2 node\r\n", " node", "",
         "1\r\n2\r\n", {"1", "2", ""}},
        {"keeps the line breaks", "ab\r\nb", "b", "XY", "aXY\r\nXY", {"aXY", "XY"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SearchSession s;
        s.editor.SetText(row.text);
        s.Replace(row.findText, row.replaceText);
        EXPECT_EQ(s.editor.GetText(), row.expected);
        ASSERT_EQ(s.editor.LineCount(), static_cast<int>(row.lines.size()));
        for (std::size_t line = 0; line < row.lines.size(); ++line)
            EXPECT_EQ(s.editor.GetLine(static_cast<int>(line)), row.lines[line]) << "line " << line;
    }
}

TEST_F(SearchCommands, ReplaceSetsTheTextEvenWhenNothingMatches) {
    editor.SetText("abc def");
    editor.SelectRange(4, 7);
    const int setTextCalls = editor.setTextCalls;
    Replace("zzz", "y");
    EXPECT_EQ(editor.setTextCalls, setTextCalls + 1);
    EXPECT_EQ(editor.GetText(), "abc def");
    ExpectSelection(0, 0); // the old selection went with the old text
}

TEST_F(SearchCommands, CancelledFirstReplacePromptReplacesNothing) {
    editor.SetText("abc abc");
    state.findText = "abc";
    const int setTextCalls = editor.setTextCalls;
    // The first prompt cancelled; the second one still comes.
    Replace("", "X");
    EXPECT_EQ(dialogs.promptRequests.size(), 2u);
    EXPECT_EQ(state.findText, "");
    EXPECT_EQ(state.replaceText, "X");
    EXPECT_EQ(editor.setTextCalls, setTextCalls + 1);
    EXPECT_EQ(editor.GetText(), "abc abc");
    FindNext();
    EXPECT_EQ(state.matchIndex, -1);
}

TEST_F(SearchCommands, CancelledSecondReplacePromptReplacesWithNothing) {
    editor.SetText("a-b-c");
    state.replaceText = "+";
    Replace("-", ""); // the second prompt cancelled
    EXPECT_EQ(state.replaceText, "");
    EXPECT_EQ(editor.GetText(), "abc");
}

TEST_F(SearchCommands, ReplaceLeavesMatchIndexAlone) {
    editor.SetText("abcabc");
    Find("c");
    FindNext();
    EXPECT_EQ(state.matchIndex, 5);
    Replace("a", "");
    EXPECT_EQ(state.matchIndex, 5);
}

TEST_F(SearchCommands, FindNextSearchesForReplacesFirstAnswer) {
    editor.SetText("x-x");
    Replace("x", "xy");
    EXPECT_EQ(editor.GetText(), "xy-xy");
    // matchIndex is still 0, so Find Next starts after the first character.
    FindNext();
    EXPECT_EQ(state.matchIndex, 3);
    ExpectSelection(3, 4);
}

} // namespace
} // namespace trelvo::testing
