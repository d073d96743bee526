#include "search.h"

#include "command_test_doubles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace trelvo {
namespace {

using doubles::CommandTestPlatform;
using doubles::RecordingEditor;

// --- The search copy -------------------------------------------------------------------

TEST(SearchCopy, MakesEveryCrLfOneLf) {
    EXPECT_EQ(SearchCopy("ab\r\ncd\r\n"), "ab\ncd\n");
    EXPECT_EQ(SearchCopy("\r\n\r\n"), "\n\n");
}

TEST(SearchCopy, LeavesLoneCrAndLoneLf) {
    EXPECT_EQ(SearchCopy("a\rb\nc"), "a\rb\nc");
    EXPECT_EQ(SearchCopy("\n\r"), "\n\r");
    EXPECT_EQ(SearchCopy("x\r"), "x\r");
}

TEST(SearchCopy, PairsACrOnlyWithTheLfRightAfterIt) {
    EXPECT_EQ(SearchCopy("\r\r\n"), "\r\n");
    EXPECT_EQ(SearchCopy("\r\n\n"), "\n\n");
}

TEST(SearchCopy, OfEmptyTextIsEmpty) {
    EXPECT_EQ(SearchCopy(""), "");
}

// --- Find-in -----------------------------------------------------------------------------

TEST(FindIn, FindsTheFirstOccurrenceAtOrAfterStart) {
    EXPECT_EQ(FindIn("abcabc", "bc", 0), 1);
    EXPECT_EQ(FindIn("abcabc", "bc", 1), 1);
    EXPECT_EQ(FindIn("abcabc", "bc", 2), 4);
    EXPECT_EQ(FindIn("abcabc", "bc", 5), std::nullopt);
}

TEST(FindIn, IsCaseSensitive) {
    EXPECT_EQ(FindIn("Node 1", "node", 0), std::nullopt);
    EXPECT_EQ(FindIn("Node node", "node", 0), 5);
}

TEST(FindIn, CountsAStartBelowZeroAsZero) {
    EXPECT_EQ(FindIn("abc", "a", -1), 0);
    EXPECT_EQ(FindIn("abc", "a", -100), 0);
}

TEST(FindIn, FindsNothingFromTheEndOrBeyond) {
    EXPECT_EQ(FindIn("abc", "c", 2), 2);
    EXPECT_EQ(FindIn("abc", "c", 3), std::nullopt);
    EXPECT_EQ(FindIn("abc", "c", 4), std::nullopt);
    EXPECT_EQ(FindIn("", "c", 0), std::nullopt);
}

TEST(FindIn, NeverFindsTheEmptyPattern) {
    EXPECT_EQ(FindIn("abc", "", 0), std::nullopt);
    EXPECT_EQ(FindIn("", "", 0), std::nullopt);
}

TEST(FindIn, FindsNoPatternLongerThanWhatIsLeft) {
    EXPECT_EQ(FindIn("abab", "abc", 0), std::nullopt);
    EXPECT_EQ(FindIn("abab", "ab", 3), std::nullopt);
}

// --- Replace-all -----------------------------------------------------------------------

TEST(ReplaceAll, NeverScansEmittedReplacementAgain) {
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("aa", "a", "ba"), "baba");
}

TEST(ReplaceAll, ReplacesNonOverlappingOccurrencesFromTheLeft) {
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("abcabc", "bc", "X"), "aXaX");
}

TEST(ReplaceAll, WithEmptyReplacementDeletesEveryOccurrence) {
    EXPECT_EQ(ReplaceAll("a-b-c-", "-", ""), "abc");
    EXPECT_EQ(ReplaceAll("xxxx", "x", ""), "");
}

TEST(ReplaceAll, WithEmptyPatternChangesNothing) {
    EXPECT_EQ(ReplaceAll("abc", "", "X"), "abc");
    EXPECT_EQ(ReplaceAll("", "", "X"), "");
}

TEST(ReplaceAll, WorksOnTheTextWithItsCrLfLineEnds) {
    EXPECT_EQ(ReplaceAll("ab\r\ncd", "b\r\nc", "-"), "a-d");
    EXPECT_EQ(ReplaceAll("ab\r\ncd", "\r\n", " "), "ab cd");
    EXPECT_EQ(ReplaceAll("ab\r\ncd", "b\nc", "-"), "ab\r\ncd");
}

TEST(ReplaceAll, KeepsTheTextAroundMatchesAtBothEnds) {
    EXPECT_EQ(ReplaceAll("xmidx", "x", "<>"), "<>mid<>");
    EXPECT_EQ(ReplaceAll("no match", "z", "Z"), "no match");
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

// --- Find ------------------------------------------------------------------------------

class SearchCommands : public ::testing::Test {
protected:
    void Answer(const std::string& text) { platform.promptAnswers.push_back(text); }
    void Find(const std::string& text) {
        Answer(text);
        FindCommand(state, platform, editor);
    }
    void Replace(const std::string& findText, const std::string& replaceText) {
        Answer(findText);
        Answer(replaceText);
        ReplaceCommand(state, platform, editor);
    }
    void FindNext() { FindNextCommand(state, editor); }
    void ExpectSelection(int start, int end) {
        EXPECT_EQ(editor.Model().SelectionStart(), start);
        EXPECT_EQ(editor.Model().SelectionEnd(), end);
    }
    void ExpectLastSelectCall(int start, int end) {
        ASSERT_FALSE(editor.selectCalls.empty());
        EXPECT_EQ(editor.selectCalls.back().start, start);
        EXPECT_EQ(editor.selectCalls.back().end, end);
    }

    SearchState state;
    CommandTestPlatform platform;
    RecordingEditor editor;
};

TEST_F(SearchCommands, StartWithEmptyTextsAndMatchIndexZero) {
    EXPECT_EQ(state.findText, "");
    EXPECT_EQ(state.replaceText, "");
    EXPECT_EQ(state.matchIndex, 0);
}

TEST_F(SearchCommands, FindPromptsWithThePreviousFindText) {
    editor.SetText("abc abc");
    Find("bc");
    Find("c");
    ASSERT_EQ(platform.prompts.size(), 2u);
    EXPECT_EQ(platform.prompts[0].title, "Find");
    EXPECT_EQ(platform.prompts[0].message, "Enter the text to Find");
    EXPECT_EQ(platform.prompts[0].preset, "");
    EXPECT_EQ(platform.prompts[1].preset, "bc");
    EXPECT_EQ(state.findText, "c");
}

TEST_F(SearchCommands, FindIsCaseSensitive) {
    editor.SetText("Node 1\r\nNode 2");
    Find("node");
    EXPECT_EQ(state.matchIndex, -1);
    EXPECT_TRUE(editor.selectCalls.empty());
}

TEST_F(SearchCommands, FindCountsALineBreakAsOneCharacter) {
    editor.SetText("ab\r\ncd");
    Find("cd");
    EXPECT_EQ(state.matchIndex, 3);
    ExpectLastSelectCall(3, 5);
    ExpectSelection(3, 5);
}

TEST_F(SearchCommands, FindAlwaysSelectsTheFirstOccurrence) {
    editor.SetText("x1 x2 x3");
    editor.SelectRange(7, 7);
    Find("x");
    EXPECT_EQ(state.matchIndex, 0);
    ExpectSelection(0, 1);
    editor.SelectRange(8, 8);
    Find("x");
    EXPECT_EQ(state.matchIndex, 0);
}

TEST_F(SearchCommands, FindSelectsAMatchAtTheVeryStart) {
    editor.SetText("abc");
    editor.SelectRange(2, 3);
    Find("ab");
    EXPECT_EQ(state.matchIndex, 0);
    ExpectLastSelectCall(0, 2);
    ExpectSelection(0, 2);
}

TEST_F(SearchCommands, FailedFindKeepsTheSelection) {
    editor.SetText("abc def");
    editor.SelectRange(4, 6);
    editor.selectCalls.clear();
    Find("xyz");
    EXPECT_EQ(state.matchIndex, -1);
    EXPECT_TRUE(editor.selectCalls.empty());
    ExpectSelection(4, 6);
    Find("q");
    EXPECT_TRUE(editor.selectCalls.empty());
    ExpectSelection(4, 6);
}

TEST_F(SearchCommands, CancelledFindSearchesForNothing) {
    editor.SetText("abc");
    state.findText = "b";
    FindCommand(state, platform, editor); // no answer queued: the prompt is cancelled
    EXPECT_EQ(platform.prompts.at(0).preset, "b");
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

TEST_F(SearchCommands, FindNextVisitsEveryOneCharacterMatchInTurn) {
    editor.SetText("abaca");
    Find("a");
    EXPECT_EQ(state.matchIndex, 0);
    FindNext();
    EXPECT_EQ(state.matchIndex, 2);
    ExpectSelection(2, 3);
    FindNext();
    EXPECT_EQ(state.matchIndex, 4);
    ExpectSelection(4, 5);
    FindNext();
    EXPECT_EQ(state.matchIndex, -1);
    ExpectSelection(4, 5);
}

TEST_F(SearchCommands, FindNextResumesAfterTheWholeMatch) {
    editor.SetText("aaaa");
    Find("aa");
    EXPECT_EQ(state.matchIndex, 0);
    FindNext();
    EXPECT_EQ(state.matchIndex, 2);
    ExpectLastSelectCall(2, 4);
}

TEST_F(SearchCommands, FindNextDoesNotWrapAround) {
    editor.SetText("ab ab");
    Find("ab");
    FindNext();
    EXPECT_EQ(state.matchIndex, 3);
    const std::size_t selectCalls = editor.selectCalls.size();
    FindNext();
    EXPECT_EQ(state.matchIndex, -1);
    EXPECT_EQ(editor.selectCalls.size(), selectCalls);
    ExpectSelection(3, 5);
}

TEST_F(SearchCommands, FindNextAfterAFailureSearchesFromOneBeforeThePatternLength) {
    // After the last match matchIndex is -1, so the next search starts at -1 + 2 = 1.
    editor.SetText("aaaa");
    Find("aa");
    FindNext();
    FindNext();
    EXPECT_EQ(state.matchIndex, -1);
    FindNext();
    EXPECT_EQ(state.matchIndex, 1);
    ExpectSelection(1, 3);
}

TEST_F(SearchCommands, FindNextBeforeAnyFindFindsNothing) {
    editor.SetText("abc");
    editor.SelectRange(1, 2);
    editor.selectCalls.clear();
    FindNext();
    EXPECT_EQ(state.matchIndex, -1);
    EXPECT_TRUE(editor.selectCalls.empty());
    EXPECT_TRUE(platform.prompts.empty());
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

TEST_F(SearchCommands, FindNextCountsLineBreaksAsOneCharacter) {
    editor.SetText("ab\r\nab\r\n\r\nab");
    Find("ab");
    FindNext();
    EXPECT_EQ(state.matchIndex, 3);
    FindNext();
    EXPECT_EQ(state.matchIndex, 7);
    ExpectSelection(7, 9);
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
    ASSERT_EQ(platform.prompts.size(), 2u);
    EXPECT_EQ(platform.prompts[0].title, "Replace");
    EXPECT_EQ(platform.prompts[0].message, "Entrer the text to be changed");
    EXPECT_EQ(platform.prompts[0].preset, "old find");
    EXPECT_EQ(platform.prompts[1].title, "Replace");
    EXPECT_EQ(platform.prompts[1].message, "Change to");
    EXPECT_EQ(platform.prompts[1].preset, "old change");
    EXPECT_EQ(state.findText, "b");
    EXPECT_EQ(state.replaceText, "B");
    EXPECT_EQ(editor.GetText(), "aBc");
}

TEST_F(SearchCommands, ReplaceDoesNotRescanItsReplacement) {
    editor.SetText("aaa");
    Replace("a", "aa");
    EXPECT_EQ(editor.GetText(), "aaaaaa");
}

TEST_F(SearchCommands, ReplaceTakesNonOverlappingMatchesFromTheLeft) {
    editor.SetText("aaa");
    Replace("aa", "b");
    EXPECT_EQ(editor.GetText(), "ba");
}

TEST_F(SearchCommands, ReplaceWithNothingDeletesEveryOccurrence) {
    editor.SetText("1 node\r\n2 node\r\n");
    Replace(" node", "");
    EXPECT_EQ(editor.GetText(), "1\r\n2\r\n");
    EXPECT_EQ(editor.LineCount(), 3);
}

TEST_F(SearchCommands, ReplaceKeepsTheLineBreaks) {
    editor.SetText("ab\r\nb");
    Replace("b", "XY");
    EXPECT_EQ(editor.GetText(), "aXY\r\nXY");
    EXPECT_EQ(editor.LineCount(), 2);
    EXPECT_EQ(editor.GetLine(1), "XY");
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
    Answer(""); // cancel
    Answer("X");
    const int setTextCalls = editor.setTextCalls;
    ReplaceCommand(state, platform, editor);
    EXPECT_EQ(platform.prompts.size(), 2u); // the second prompt still comes
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
    Answer("-");
    ReplaceCommand(state, platform, editor);
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
} // namespace trelvo
