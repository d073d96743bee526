// The Windows editor and the in-memory text model must be interchangeable: the same
// operations give the same text, lines, positions and selection on both. The operations
// are the ones the desktop editor is held to.
#include "editor_window.h"
#include "text_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace trelvo::win32::test {
namespace {

using Operation = std::function<void(EditorText&)>;

Operation Set(std::string text) {
    return [text](EditorText& e) { e.SetText(text); };
}
Operation InsertLineOp(int line, std::string text) {
    return [line, text](EditorText& e) { e.InsertLine(line, text); };
}
Operation Select(int start, int end) {
    return [start, end](EditorText& e) { e.SelectRange(start, end); };
}
Operation Replace(std::string text) {
    return [text](EditorText& e) { e.ReplaceSelection(text); };
}
Operation Append(std::string text) {
    return [text](EditorText& e) { AppendText(e, text); };
}
Operation InsertAtLine(int line, std::string text) {
    return [line, text](EditorText& e) { InsertTextAtLine(e, line, text); };
}

class EditorContract : public ::testing::Test {
protected:
    void Apply(const Operation& operation, const std::string& what) {
        operation(model_);
        operation(Editor());
        ExpectSame(what);
    }

    void ExpectSame(const std::string& what) {
        SCOPED_TRACE(what);
        ASSERT_EQ(Editor().GetText(), model_.GetText());
        ASSERT_EQ(Editor().LineCount(), model_.LineCount());
        ASSERT_EQ(Editor().TextEnd(), model_.TextEnd());
        ASSERT_EQ(Editor().TextLength(), model_.TextLength());
        ASSERT_EQ(Editor().TextLength(), Editor().GetText().size());
        for (int line = -1; line <= model_.LineCount() + 1; ++line) {
            ASSERT_EQ(Editor().LineStart(line), model_.LineStart(line)) << "line " << line;
            ASSERT_EQ(Editor().GetLine(line), model_.GetLine(line)) << "line " << line;
        }
        ASSERT_EQ(Editor().Selection().cpMin, model_.SelectionStart());
        ASSERT_EQ(Editor().Selection().cpMax, model_.SelectionEnd());
    }

    RichEditor& Editor() { return window_.Editor(); }

    TextModel model_;
    EditorWindow window_;
};

TEST_F(EditorContract, CrLfSeparatesTwoLines) {
    Apply(Set("ab\r\ncd"), "set");
    EXPECT_EQ(Editor().LineCount(), 2);
    EXPECT_EQ(Editor().GetLine(1), "cd");
    EXPECT_EQ(Editor().LineStart(1), 3);
    EXPECT_EQ(Editor().TextEnd(), 5);
    EXPECT_EQ(Editor().GetText().size(), 6u);
}

TEST_F(EditorContract, TrailingLineEndGivesAnEmptyLastLine) {
    Apply(Set("ab\r\ncd\r\n"), "set");
    EXPECT_EQ(Editor().LineCount(), 3);
    EXPECT_EQ(Editor().GetLine(2), "");
    EXPECT_EQ(Editor().TextEnd(), 6);
}

TEST_F(EditorContract, EmptyTextHasNoLines) {
    Apply(Set("ab"), "set");
    Apply(Set(""), "empty");
    EXPECT_EQ(Editor().LineCount(), 0);
    EXPECT_EQ(Editor().TextEnd(), 0);
    EXPECT_EQ(Editor().GetText(), "");
}

TEST_F(EditorContract, LinesAddedAtTheEndOfAnEmptyText) {
    Apply(InsertLineOp(-1, "x"), "first");
    EXPECT_EQ(Editor().GetText(), "x");
    Apply(InsertLineOp(-1, "y"), "second");
    EXPECT_EQ(Editor().GetText(), "x\r\ny");
}

TEST_F(EditorContract, EmptyLineAddedToEmptyTextIsRemembered) {
    Apply(InsertLineOp(-1, ""), "empty line");
    EXPECT_EQ(Editor().GetText(), "");
    EXPECT_EQ(Editor().LineCount(), 1);
    Apply(InsertLineOp(-1, "y"), "next line");
    EXPECT_EQ(Editor().GetText(), "\r\ny");
    EXPECT_EQ(Editor().LineCount(), 2);
}

TEST_F(EditorContract, RememberedLineIsForgottenByAReplacementOrNewText) {
    Apply(InsertLineOp(-1, ""), "remember");
    Apply(Replace(""), "empty replacement");
    EXPECT_EQ(Editor().LineCount(), 0);
    Apply(InsertLineOp(-1, ""), "remember again");
    Apply(Set(""), "set empty");
    EXPECT_EQ(Editor().LineCount(), 0);
    Apply(InsertLineOp(-1, ""), "remember once more");
    Apply(InsertLineOp(0, "t"), "insert before the remembered line");
    EXPECT_EQ(Editor().GetText(), "t\r\n");
}

TEST_F(EditorContract, InsertLineBeforeAnExistingLine) {
    Apply(Set("ab"), "set");
    Apply(InsertLineOp(0, "t"), "insert");
    EXPECT_EQ(Editor().GetText(), "t\r\nab");
}

TEST_F(EditorContract, InsertLinePastTheEndAppends) {
    Apply(Set("ab\r\ncd"), "set");
    Apply(InsertLineOp(7, "e"), "past the end");
    EXPECT_EQ(Editor().GetText(), "ab\r\ncd\r\ne");
    Apply(InsertLineOp(3, ""), "empty at the end");
    EXPECT_EQ(Editor().GetText(), "ab\r\ncd\r\ne\r\n");
}

TEST_F(EditorContract, InsertingAtALinePushesItDownUnchanged) {
    Apply(Set("zero\r\none\r\ntwo"), "set");
    Apply(InsertAtLine(1, "new\r\n"), "insert at line 1");
    EXPECT_EQ(Editor().GetLine(1), "new");
    EXPECT_EQ(Editor().GetLine(2), "one");
    EXPECT_EQ(Editor().GetLine(3), "two");
}

TEST_F(EditorContract, LoneCrAndLoneLfEndLinesToo) {
    Apply(Set("a\rb\nc\r\n"), "set");
    EXPECT_EQ(Editor().LineCount(), 4);
    EXPECT_EQ(Editor().GetText(), "a\r\nb\r\nc\r\n");
    Apply(Select(1, 1), "caret after a");
    Apply(Replace("x\ry\nz"), "replace with mixed line ends");
    EXPECT_EQ(Editor().GetText(), "ax\r\ny\r\nz\r\nb\r\nc\r\n");
    Apply(InsertLineOp(0, "p\r"), "line ending in a lone CR");
    EXPECT_EQ(Editor().GetLine(0), "p");
    EXPECT_EQ(Editor().GetLine(1), "");
}

TEST_F(EditorContract, SelectionRules) {
    Apply(Set("abc\r\ndef"), "set");
    Apply(Select(5, 2), "reversed range");
    EXPECT_EQ(Editor().Selection().cpMin, 2);
    EXPECT_EQ(Editor().Selection().cpMax, 5);
    Apply(Select(-1, 0), "no selection");
    EXPECT_EQ(Editor().Selection().cpMin, 5);
    Apply(Select(1, -1), "to the end");
    EXPECT_EQ(Editor().Selection().cpMax, 7);
    Apply(Select(40, 50), "past the end");
    Apply(Replace("!"), "replace at the end");
    EXPECT_EQ(Editor().GetText(), "abc\r\ndef!");
}

TEST_F(EditorContract, ReplaceSelectionLeavesTheCaretAfterTheText) {
    Apply(Set("one two"), "set");
    Apply(Select(4, 7), "select two");
    Apply(Replace("2\r\n3"), "replace");
    Apply(Replace("+"), "insert at the caret");
    EXPECT_EQ(Editor().GetText(), "one 2\r\n3+");
}

TEST_F(EditorContract, InsertLineKeepsTheSelectionPositions) {
    Apply(Set("ab\r\ncd"), "set");
    Apply(Select(3, 5), "select cd");
    Apply(InsertLineOp(0, "top"), "insert before the selection");
    Apply(Replace("#"), "replace the same positions");
}

// The control cannot hold a NUL byte (Open ends a line at one); every other byte that is
// not a line end goes in and comes back out unchanged through the ANSI code page.
TEST_F(EditorContract, EveryByteExceptLineEndsAndNulSurvives) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    Apply(Set(bytes + "\r\n" + bytes), "all bytes");
    EXPECT_EQ(Editor().GetText(), bytes + "\r\n" + bytes);
    EXPECT_EQ(Editor().GetLine(1), bytes);
    EXPECT_EQ(Editor().TextEnd(), 2 * 253 + 1);
}

TEST_F(EditorContract, TextBeginningLikeFormattingStaysText) {
    Apply(Set("{\\rtf1 x}\r\n{\\rtf"), "set");
    Apply(Select(0, 0), "caret at the start");
    Apply(Replace("{\\rtf1 y}"), "replace");
}

// A line far wider than the control stays one line: the editor does not wrap.
TEST_F(EditorContract, LongLinesAreNotWrapped) {
    Apply(Set(std::string(5000, 'w') + "\r\n" + std::string(3000, 'v') + " x"), "long lines");
    EXPECT_EQ(Editor().LineCount(), 2);
}

// The way the analysis report goes into the editor: a line break after the deck, then
// sections inserted at a line that moves down as they go in.
TEST_F(EditorContract, ReportStyleInserts) {
    const std::string deck = "EXAMPLE 2D TRUSS\r\n3 2\r\n1 1 1 1 0 0 0 0 0 0\r\n"
                             "2 0 0 1 8 6 0 50 0 0\r\n3 1 1 1 12 0 0 0 0 0\r\n"
                             "1 1 2 30.0e6 0.049\r\n2 2 3 30.0e6 0.049";
    Apply(Set(deck), "deck");
    Apply(Append("\r\n"), "line break after the deck");
    int line = 7;
    auto insert = [&](const std::string& text, int lines) {
        Apply(InsertAtLine(line, text), "section at line " + std::to_string(line));
        line += lines;
    };
    insert(" \r\nNode: Displacement (X,Y,Z)\r\n", 2);
    for (int node = 1; node <= 3; ++node)
        insert(std::to_string(node) + "  d\r\n", 1);
    insert(" \r\nElement: Stress, Internal Force \r\n", 2);
    for (int element = 1; element <= 2; ++element)
        insert(std::to_string(element) + "  s   f\r\n", 1);
    EXPECT_EQ(Editor().GetText(), deck + "\r\n \r\nNode: Displacement (X,Y,Z)\r\n1  d\r\n2  d\r\n"
                                         "3  d\r\n \r\nElement: Stress, Internal Force \r\n"
                                         "1  s   f\r\n2  s   f\r\n");
    Apply(InsertLineOp(Editor().LineCount(), "**Adjusted K \r\n"), "heading");
    Apply(Append("1  2  \r\n"), "matrix row");
    EXPECT_EQ(Editor().GetLine(Editor().LineCount() - 3), "**Adjusted K ");
}

std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> pieces{"a", "b", "xy", " ", "\t", "\r\n", "\r", "\n",
                                                 "\xE9", "\xA0", ""};
    std::uniform_int_distribution<std::size_t> count(0, 4);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (std::size_t i = count(random); i > 0; --i)
        text += pieces[pick(random)];
    return text;
}

TEST_F(EditorContract, RandomSequenceOfOperations) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int step = 0; step < 600; ++step) {
        const int end = model_.TextEnd();
        const int lines = model_.LineCount();
        std::uniform_int_distribution<int> position(-1, end + 2);
        std::uniform_int_distribution<int> line(-1, lines + 1);
        const std::string label = "step " + std::to_string(step);
        switch (kind(random)) {
        case 0: Apply(Set(step % 5 == 0 ? "" : RandomText(random)), label + " set"); break;
        case 1:
        case 2: Apply(InsertLineOp(line(random), RandomText(random)), label + " insert line"); break;
        case 3:
        case 4: Apply(Select(position(random), position(random)), label + " select"); break;
        case 5:
        case 6: Apply(Replace(RandomText(random)), label + " replace"); break;
        case 7: Apply(Append(RandomText(random)), label + " append"); break;
        default: Apply(InsertAtLine(line(random), RandomText(random)), label + " at line"); break;
        }
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace trelvo::win32::test
