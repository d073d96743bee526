#include "editor/print_document.h"

#include "tests/editor/scripted_dialogs.h"
#include "tests/editor/scripted_editor.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace trelvo::testing {
namespace {

// "L0", CR LF, "L1", ... "L<n-1>": n lines, no line break at the end.
std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += "\r\n";
        text += "L" + std::to_string(i);
    }
    return text;
}

class Print : public ::testing::Test {
protected:
    void PrintText(const std::string& text, bool confirmed = true) {
        editor.SetText(text);
        dialogs.printAnswers.push_back(confirmed);
        PrintCommand(font, dialogs, dpiY, editor);
    }
    const std::vector<std::vector<DrawCall>>& Pages() const { return dialogs.printed.pages; }
    std::vector<std::size_t> LinesPerPage() const {
        std::vector<std::size_t> counts;
        for (const auto& page : Pages())
            counts.push_back(page.size());
        return counts;
    }
    // Every page's lines stand one step apart from 360 + step, and every line is drawn
    // once, in order, at the left edge.
    void ExpectLayout(int step, int lineCount) {
        int line = 0;
        for (const auto& page : Pages()) {
            for (std::size_t i = 0; i < page.size(); ++i, ++line) {
                EXPECT_EQ(page[i].x, 360);
                EXPECT_EQ(page[i].y, 360 + step * static_cast<int>(i + 1)) << "line " << line;
                EXPECT_EQ(page[i].text, "L" + std::to_string(line));
            }
        }
        EXPECT_EQ(line, lineCount);
        EXPECT_TRUE(dialogs.printed.finished);
        EXPECT_EQ(dialogs.printed.callsAfterFinish, 0);
    }

    EditorFont font;
    ScriptedDialogs dialogs;
    int dpiY = 96;
    ScriptedEditor editor;
};

TEST_F(Print, CancelledDialogPrintsNothing) {
    PrintText("abc", false);
    ASSERT_EQ(dialogs.printRequests.size(), 1u);
    EXPECT_TRUE(dialogs.printed.pages.empty());
    EXPECT_TRUE(dialogs.printed.fonts.empty());
    EXPECT_FALSE(dialogs.printed.finished);
}

TEST_F(Print, NamesTheJobTrelvo) {
    PrintText("abc");
    ASSERT_EQ(dialogs.printRequests.size(), 1u);
    EXPECT_EQ(dialogs.printRequests[0], "Trelvo");
}

TEST_F(Print, UsesTheEditorFontAtFourTimesItsSize) {
    PrintText("abc");
    ASSERT_EQ(dialogs.printed.fonts.size(), 1u);
    const FontSpec& printFont = dialogs.printed.fonts[0];
    EXPECT_EQ(printFont.faceName, "Arial");
    EXPECT_EQ(printFont.pixelHeight, -59); // 44 x 96 / 72 = 58.67
    EXPECT_EQ(printFont.weight, 400);
    EXPECT_FALSE(printFont.italic);
    EXPECT_FALSE(printFont.underline);
    EXPECT_FALSE(printFont.strikeout);
    EXPECT_EQ(dialogs.printed.colours.at(0), 0u);
}

TEST_F(Print, KeepsTheEditorStyleAndColour) {
    font.faceName = "Courier New";
    font.pointSize = 12;
    font.styleFlags = kStyleBold + kStyleItalic + kStyleUnderline;
    font.textColour = 0x0000FF; // red
    dpiY = 120;
    PrintText("abc");
    ASSERT_EQ(dialogs.printed.fonts.size(), 1u);
    const FontSpec& printFont = dialogs.printed.fonts[0];
    EXPECT_EQ(printFont.faceName, "Courier New");
    EXPECT_EQ(printFont.pixelHeight, -80); // 48 x 120 / 72, the display's resolution
    EXPECT_EQ(printFont.weight, 700);
    EXPECT_TRUE(printFont.italic);
    EXPECT_TRUE(printFont.underline);
    EXPECT_FALSE(printFont.strikeout);
    EXPECT_EQ(dialogs.printed.colours.at(0), 0x0000FFu);
}

TEST_F(Print, EmptyDocumentPrintsOneEmptyPage) {
    PrintText("");
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{0}));
    EXPECT_TRUE(dialogs.printed.finished);
}

TEST_F(Print, DrawsEachLineOneStepLower) {
    PrintText("first\r\n\tsecond\r\n\r\nlast");
    ASSERT_EQ(Pages().size(), 1u);
    const auto& page = Pages()[0];
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[0].y, 448);
    EXPECT_EQ(page[0].text, "first");
    EXPECT_EQ(page[1].y, 536);
    EXPECT_EQ(page[1].text, "\tsecond");
    EXPECT_EQ(page[2].y, 624);
    EXPECT_EQ(page[2].text, "");
    EXPECT_EQ(page[3].y, 712);
    EXPECT_EQ(page[3].text, "last");
    for (const DrawCall& draw : page)
        EXPECT_EQ(draw.x, 360);
}

TEST_F(Print, PrintsTheEmptyLastLineOfATextEndingInALineBreak) {
    PrintText("a\r\nb\r\n");
    ASSERT_EQ(Pages().size(), 1u);
    ASSERT_EQ(Pages()[0].size(), 3u);
    EXPECT_EQ(Pages()[0][2].text, "");
    EXPECT_EQ(Pages()[0][2].y, 624);
}

TEST_F(Print, SixtyTwoLinesAtElevenPointsFillOnePage) {
    PrintText(NumberedLines(62));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{62}));
    EXPECT_EQ(Pages()[0].back().y, 5816);
    ExpectLayout(88, 62);
}

TEST_F(Print, SixtyThirdLineAtElevenPointsStartsTheSecondPage) {
    PrintText(NumberedLines(63));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{62, 1}));
    EXPECT_EQ(Pages()[1][0].y, 448);
    EXPECT_EQ(Pages()[1][0].text, "L62");
    ExpectLayout(88, 63);
}

TEST_F(Print, TenPointsGiveSixtyEightLinesAPage) {
    font.pointSize = 10;
    PrintText(NumberedLines(137));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{68, 68, 1}));
    EXPECT_EQ(Pages()[0].back().y, 5800); // 440 + 67 x 80
    ExpectLayout(80, 137);
}

TEST_F(Print, TwelvePointsGiveFiftySevenLinesAPage) {
    font.pointSize = 12;
    PrintText(NumberedLines(114));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{57, 57}));
    EXPECT_EQ(Pages()[0].back().y, 5832); // 456 + 56 x 96
    ExpectLayout(96, 114);
}

TEST_F(Print, LineExactlyOnThePageLimitDoesNotEndThePage) {
    // Step 120: the 45th line stands at 360 + 45 x 120 = 5760, not past the limit, so the
    // page takes one more, at 5880: 46 lines.
    font.pointSize = 15;
    PrintText(NumberedLines(47));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{46, 1}));
    EXPECT_EQ(Pages()[0][44].y, 5760);
    ExpectLayout(120, 47);
}

TEST_F(Print, ShortPrintableHeightEndsPagesEarlier) {
    // Lines at 440, 520, ... 1000: after 1000 the next line would stand at 1080 > 1000.
    font.pointSize = 10;
    dialogs.pageHeight = 1000;
    PrintText(NumberedLines(20));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{8, 8, 4}));
    ExpectLayout(80, 20);
}

TEST_F(Print, HeightJustBelowTheNextLineEndsThePageOneLineSooner) {
    font.pointSize = 10;
    dialogs.pageHeight = 999;
    PrintText(NumberedLines(8));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{7, 1}));
    ExpectLayout(80, 8);
}

TEST_F(Print, PageTooShortForTwoLinesTakesOneLineEach) {
    dialogs.pageHeight = 300;
    PrintText(NumberedLines(3));
    EXPECT_EQ(LinesPerPage(), (std::vector<std::size_t>{1, 1, 1}));
    ExpectLayout(88, 3);
}

// A page the printer refuses ends the job there, and the user is told which page it was.
TEST_F(Print, RefusedPageStopsTheJobAndSaysSo) {
    for (const int refused : {1, 2}) {
        dialogs = ScriptedDialogs{};
        dialogs.printed.refusedPage = refused;
        PrintText(NumberedLines(63)); // two pages: the second is begun, then finished
        EXPECT_EQ(Pages().size(), 1u + (refused == 2)) << refused;
        ASSERT_EQ(dialogs.messages.size(), 1u) << refused;
        EXPECT_EQ(dialogs.messages[0].title, "Warning");
        EXPECT_EQ(dialogs.messages[0].text, "Printing failed: the printer did not take page " +
                                                std::to_string(refused) + ", and the job was cancelled.");
    }
}

TEST_F(Print, LeavesTheDocumentAsItWas) {
    PrintText("ab\r\ncd");
    EXPECT_EQ(editor.GetText(), "ab\r\ncd");
    EXPECT_EQ(editor.setTextCalls, 1); // only the test's own
    EXPECT_EQ(editor.Revision(), 1u);
}

} // namespace
} // namespace trelvo::testing
