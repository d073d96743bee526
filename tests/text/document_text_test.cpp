#include "text/document_text.h"
#include "text/text_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trelvo {
namespace {

using namespace std::string_literals;

struct LineEndCase {
    std::string bytes;
    std::vector<std::string> lines;
};

const std::vector<LineEndCase>& LineEndCases() {
    static const std::vector<LineEndCase> cases = {
        {"a\r\nbc\r\nd", {"a", "bc", "d"}},
        {"a\nbc\nd", {"a", "bc", "d"}},
        {"a\rbc\rd", {"a", "bc", "d"}},
        {"a\0bc\0d"s, {"a", "bc", "d"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"", {""}},
        {"x y\tz", {"x y\tz"}},
    };
    return cases;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i > 0 ? "\r\n" : "") + lines[i];
    return text;
}

long long LoadedSize(const std::vector<std::string>& lines) {
    long long size = 0;
    for (const std::string& line : lines)
        size += static_cast<long long>(line.size()) + 2;
    return size;
}

TEST(ReadDocumentLines, EveryKindOfLineEndEndsALine) {
    for (const LineEndCase& c : LineEndCases()) {
        const LoadedDocument document = ReadDocumentLines(c.bytes);
        EXPECT_EQ(document.text, JoinCrLf(c.lines)) << testing::PrintToString(c.bytes);
        EXPECT_EQ(document.loadedSize, LoadedSize(c.lines)) << testing::PrintToString(c.bytes);
    }
}

TEST(ReadDocumentLines, EmptyFileGivesOneEmptyLine) {
    const LoadedDocument document = ReadDocumentLines("");
    EXPECT_EQ(document.loadedSize, 2);
    TextModel editor;
    PutDocumentText(document, editor);
    EXPECT_EQ(editor.LineCount(), 1);
    EXPECT_EQ(editor.GetText(), "");
}

TEST(ReadDocumentLines, FinalLineEndMakesNoDifference) {
    const std::string deck = "title\r\n3 2\r\n1 1 1 1 0 0 0 0 0 0";
    EXPECT_EQ(ReadDocumentLines(deck + "\r\n").text, ReadDocumentLines(deck).text);
    EXPECT_EQ(ReadDocumentLines(deck + "\r\n").text, deck);
}

TEST(ReadDocumentLines, LineFeedFilesLoadOneMoreThanTheirSizePerLine) {
    const std::string bytes = "first line\nsecond\n\nlast one\n";
    EXPECT_EQ(ReadDocumentLines(bytes).loadedSize, static_cast<long long>(bytes.size()) + 4);
    EXPECT_EQ(ReadDocumentLines(bytes).text, "first line\r\nsecond\r\n\r\nlast one");
    // With CR LF ends the loaded size is the file's size.
    const std::string crlf = "first line\r\nsecond\r\n\r\nlast one\r\n";
    EXPECT_EQ(ReadDocumentLines(crlf).loadedSize, static_cast<long long>(crlf.size()));
}

TEST(PutDocumentText, SameAsInsertingEachLineAtTheNextIndex) {
    for (const LineEndCase& c : LineEndCases()) {
        TextModel lineByLine;
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            lineByLine.InsertLine(static_cast<int>(i), c.lines[i]);
        TextModel bulk("text from before");
        PutDocumentText(ReadDocumentLines(c.bytes), bulk);
        EXPECT_EQ(bulk.GetText(), lineByLine.GetText()) << testing::PrintToString(c.bytes);
        EXPECT_EQ(bulk.LineCount(), lineByLine.LineCount()) << testing::PrintToString(c.bytes);
        EXPECT_EQ(bulk.LineCount(), static_cast<int>(c.lines.size()));
        // Both hold the lines read, and a line added afterwards starts a new line.
        bulk.InsertLine(-1, "more");
        lineByLine.InsertLine(-1, "more");
        EXPECT_EQ(bulk.GetText(), lineByLine.GetText()) << testing::PrintToString(c.bytes);
    }
}

TEST(ResultsFileName, CutBeforeTheLastDotAnywhereInTheName) {
    EXPECT_EQ(ResultsFileName("C:\\decks\\bridge.txt"), "C:\\decks\\bridge-RZ.TXT");
    EXPECT_EQ(ResultsFileName("C:\\decks\\bridge"), "C:\\decks\\bridge-RZ.TXT");
    EXPECT_EQ(ResultsFileName("C:\\work.2\\bridge"), "C:\\work-RZ.TXT");
    EXPECT_EQ(ResultsFileName("a.b.txt"), "a.b-RZ.TXT");
    EXPECT_EQ(ResultsFileName("/home/me/deck.dat"), "/home/me/deck-RZ.TXT");
}

TEST(ResultsFileName, RunningAResultsFileAgainAddsTheSuffixAgain) {
    const std::string once = ResultsFileName("C:\\decks\\bridge.txt");
    EXPECT_EQ(ResultsFileName(once), "C:\\decks\\bridge-RZ-RZ.TXT");
}

} // namespace
} // namespace trelvo
