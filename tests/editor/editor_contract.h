#pragma once

// The contract every editor control keeps with the in-memory text model: the same
// operations give the same text, lines, positions and selection on both. A front end's test
// instantiates the suite with a harness, a default-constructible type that gives its editor
// (EditorControl& Editor()) and the editor's selection (int SelectionStart(), SelectionEnd()).
#include "editor/platform.h"
#include "text/text_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace trelvo::contract {

using Operation = std::function<void(EditorText&)>;

inline Operation Set(std::string text) {
    return [text](EditorText& e) { e.SetText(text); };
}
inline Operation InsertLineOp(int line, std::string text) {
    return [line, text](EditorText& e) { e.InsertLine(line, text); };
}
inline Operation Select(int start, int end) {
    return [start, end](EditorText& e) { e.SelectRange(start, end); };
}
inline Operation Replace(std::string text) {
    return [text](EditorText& e) { e.ReplaceSelection(text); };
}
inline Operation Append(std::string text) {
    return [text](EditorText& e) { AppendText(e, text); };
}
inline Operation InsertAtLine(int line, std::string text) {
    return [line, text](EditorText& e) { InsertTextAtLine(e, line, text); };
}

template <class Harness> class EditorContract : public ::testing::Test {
protected:
    EditorControl& Editor() { return harness_.Editor(); }

    void Apply(const Operation& operation, const std::string& what) {
        operation(model_);
        operation(Editor());
        ExpectSame(what);
    }

    void ExpectSame(const std::string& what) {
        SCOPED_TRACE(what);
        EditorControl& editor = Editor();
        ASSERT_EQ(editor.GetText(), model_.GetText());
        ASSERT_EQ(editor.LineCount(), model_.LineCount());
        ASSERT_EQ(editor.TextEnd(), model_.TextEnd());
        ASSERT_EQ(editor.TextLength(), model_.TextLength());
        ASSERT_EQ(editor.TextLength(), editor.GetText().size());
        for (int line = -1; line <= model_.LineCount() + 1; ++line) {
            ASSERT_EQ(editor.LineStart(line), model_.LineStart(line)) << "line " << line;
            ASSERT_EQ(editor.GetLine(line), model_.GetLine(line)) << "line " << line;
        }
        ASSERT_EQ(harness_.SelectionStart(), model_.SelectionStart());
        ASSERT_EQ(harness_.SelectionEnd(), model_.SelectionEnd());
    }

    TextModel model_;
    Harness harness_;
};

TYPED_TEST_SUITE_P(EditorContract);

TYPED_TEST_P(EditorContract, CrLfSeparatesTwoLines) {
    this->Apply(Set("ab\r\ncd"), "set");
    EXPECT_EQ(this->Editor().LineCount(), 2);
    EXPECT_EQ(this->Editor().GetLine(1), "cd");
    EXPECT_EQ(this->Editor().LineStart(1), 3);
    EXPECT_EQ(this->Editor().TextEnd(), 5);
    EXPECT_EQ(this->Editor().GetText().size(), 6u);
}

TYPED_TEST_P(EditorContract, TrailingLineEndGivesAnEmptyLastLine) {
    this->Apply(Set("ab\r\ncd\r\n"), "set");
    EXPECT_EQ(this->Editor().LineCount(), 3);
    EXPECT_EQ(this->Editor().GetLine(2), "");
    EXPECT_EQ(this->Editor().TextEnd(), 6);
}

TYPED_TEST_P(EditorContract, EmptyTextHasNoLines) {
    this->Apply(Set("ab"), "set");
    this->Apply(Set(""), "empty");
    EXPECT_EQ(this->Editor().LineCount(), 0);
    EXPECT_EQ(this->Editor().TextEnd(), 0);
    EXPECT_EQ(this->Editor().GetText(), "");
}

TYPED_TEST_P(EditorContract, LinesAddedAtTheEndOfAnEmptyText) {
    this->Apply(InsertLineOp(-1, "x"), "first");
    EXPECT_EQ(this->Editor().GetText(), "x");
    this->Apply(InsertLineOp(-1, "y"), "second");
    EXPECT_EQ(this->Editor().GetText(), "x\r\ny");
}

TYPED_TEST_P(EditorContract, EmptyLineAddedToEmptyTextIsRemembered) {
    this->Apply(InsertLineOp(-1, ""), "empty line");
    EXPECT_EQ(this->Editor().GetText(), "");
    EXPECT_EQ(this->Editor().LineCount(), 1);
    this->Apply(InsertLineOp(-1, "y"), "next line");
    EXPECT_EQ(this->Editor().GetText(), "\r\ny");
    EXPECT_EQ(this->Editor().LineCount(), 2);
}

TYPED_TEST_P(EditorContract, RememberedLineIsForgottenByAReplacementOrNewText) {
    this->Apply(InsertLineOp(-1, ""), "remember");
    this->Apply(Replace(""), "empty replacement");
    EXPECT_EQ(this->Editor().LineCount(), 0);
    this->Apply(InsertLineOp(-1, ""), "remember again");
    this->Apply(Set(""), "set empty");
    EXPECT_EQ(this->Editor().LineCount(), 0);
    this->Apply(InsertLineOp(-1, ""), "remember once more");
    this->Apply(InsertLineOp(0, "t"), "insert before the remembered line");
    EXPECT_EQ(this->Editor().GetText(), "t\r\n");
}

TYPED_TEST_P(EditorContract, InsertLineBeforeAnExistingLine) {
    this->Apply(Set("ab"), "set");
    this->Apply(InsertLineOp(0, "t"), "insert");
    EXPECT_EQ(this->Editor().GetText(), "t\r\nab");
}

TYPED_TEST_P(EditorContract, InsertLinePastTheEndAppends) {
    this->Apply(Set("ab\r\ncd"), "set");
    this->Apply(InsertLineOp(7, "e"), "past the end");
    EXPECT_EQ(this->Editor().GetText(), "ab\r\ncd\r\ne");
    this->Apply(InsertLineOp(3, ""), "empty at the end");
    EXPECT_EQ(this->Editor().GetText(), "ab\r\ncd\r\ne\r\n");
}

TYPED_TEST_P(EditorContract, InsertingAtALinePushesItDownUnchanged) {
    this->Apply(Set("zero\r\none\r\ntwo"), "set");
    this->Apply(InsertAtLine(1, "new\r\n"), "insert at line 1");
    EXPECT_EQ(this->Editor().GetLine(1), "new");
    EXPECT_EQ(this->Editor().GetLine(2), "one");
    EXPECT_EQ(this->Editor().GetLine(3), "two");
}

TYPED_TEST_P(EditorContract, LoneCrAndLoneLfEndLinesToo) {
    this->Apply(Set("a\rb\nc\r\n"), "set");
    EXPECT_EQ(this->Editor().LineCount(), 4);
    EXPECT_EQ(this->Editor().GetText(), "a\r\nb\r\nc\r\n");
    this->Apply(Select(1, 1), "caret after a");
    this->Apply(Replace("x\ry\nz"), "replace with mixed line ends");
    EXPECT_EQ(this->Editor().GetText(), "ax\r\ny\r\nz\r\nb\r\nc\r\n");
    this->Apply(InsertLineOp(0, "p\r"), "line ending in a lone CR");
    EXPECT_EQ(this->Editor().GetLine(0), "p");
    EXPECT_EQ(this->Editor().GetLine(1), "");
}

TYPED_TEST_P(EditorContract, SelectionRules) {
    this->Apply(Set("abc\r\ndef"), "set");
    this->Apply(Select(5, 2), "reversed range");
    EXPECT_EQ(this->harness_.SelectionStart(), 2);
    EXPECT_EQ(this->harness_.SelectionEnd(), 5);
    this->Apply(Select(-1, 0), "no selection");
    EXPECT_EQ(this->harness_.SelectionStart(), 5);
    EXPECT_EQ(this->harness_.SelectionEnd(), 5);
    this->Apply(Select(1, -1), "to the end");
    EXPECT_EQ(this->harness_.SelectionEnd(), 7);
    this->Apply(Select(40, 50), "past the end");
    this->Apply(Replace("!"), "replace at the end");
    EXPECT_EQ(this->Editor().GetText(), "abc\r\ndef!");
}

TYPED_TEST_P(EditorContract, ReplaceSelectionLeavesTheCaretAfterTheText) {
    this->Apply(Set("one two"), "set");
    this->Apply(Select(4, 7), "select two");
    this->Apply(Replace("2\r\n3"), "replace");
    this->Apply(Replace("+"), "insert at the caret");
    EXPECT_EQ(this->Editor().GetText(), "one 2\r\n3+");
}

TYPED_TEST_P(EditorContract, InsertLineKeepsTheSelectionPositions) {
    this->Apply(Set("ab\r\ncd"), "set");
    this->Apply(Select(3, 5), "select cd");
    this->Apply(InsertLineOp(0, "top"), "insert before the selection");
    this->Apply(Replace("#"), "replace the same positions");
}

// The way the analysis report goes into the editor: a line break after the deck, then
// sections inserted at a line that moves down as they go in.
TYPED_TEST_P(EditorContract, ReportStyleInserts) {
    const std::string deck = "EXAMPLE 2D TRUSS\r\n3 2\r\n1 1 1 1 0 0 0 0 0 0\r\n"
                             "2 0 0 1 8 6 0 50 0 0\r\n3 1 1 1 12 0 0 0 0 0\r\n"
                             "1 1 2 30.0e6 0.049\r\n2 2 3 30.0e6 0.049";
    this->Apply(Set(deck), "deck");
    this->Apply(Append("\r\n"), "line break after the deck");
    int line = 7;
    auto insert = [&](const std::string& text, int lines) {
        this->Apply(InsertAtLine(line, text), "section at line " + std::to_string(line));
        line += lines;
    };
    insert(" \r\nNode: Displacement (X,Y,Z)\r\n", 2);
    for (int node = 1; node <= 3; ++node)
        insert(std::to_string(node) + "  d\r\n", 1);
    insert(" \r\nElement: Stress, Internal Force \r\n", 2);
    for (int element = 1; element <= 2; ++element)
        insert(std::to_string(element) + "  s   f\r\n", 1);
    EXPECT_EQ(this->Editor().GetText(), deck + "\r\n \r\nNode: Displacement (X,Y,Z)\r\n1  d\r\n2  d\r\n"
                                        "3  d\r\n \r\nElement: Stress, Internal Force \r\n"
                                        "1  s   f\r\n2  s   f\r\n");
    // The adjusted matrix goes past the last line.
    this->Apply(InsertLineOp(this->Editor().LineCount(), "**Adjusted K \r\n"), "heading");
    this->Apply(Append("1  2  \r\n"), "matrix row");
    EXPECT_EQ(this->Editor().GetLine(this->Editor().LineCount() - 3), "**Adjusted K ");
}

inline std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> pieces{"a", "b", "xy", " ", "\t", "\r\n", "\r", "\n",
                                                 "\xE9", "\xA0", ""};
    std::uniform_int_distribution<std::size_t> count(0, 4);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (std::size_t i = count(random); i > 0; --i)
        text += pieces[pick(random)];
    return text;
}

TYPED_TEST_P(EditorContract, RandomSequenceOfOperations) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int step = 0; step < 600; ++step) {
        const int end = this->model_.TextEnd();
        const int lines = this->model_.LineCount();
        std::uniform_int_distribution<int> position(-1, end + 2);
        std::uniform_int_distribution<int> line(-1, lines + 1);
        const std::string label = "step " + std::to_string(step);
        switch (kind(random)) {
        case 0: this->Apply(Set(step % 5 == 0 ? "" : RandomText(random)), label + " set"); break;
        case 1:
        case 2: this->Apply(InsertLineOp(line(random), RandomText(random)), label + " insert line"); break;
        case 3:
        case 4: this->Apply(Select(position(random), position(random)), label + " select"); break;
        case 5:
        case 6: this->Apply(Replace(RandomText(random)), label + " replace"); break;
        case 7: this->Apply(Append(RandomText(random)), label + " append"); break;
        default: this->Apply(InsertAtLine(line(random), RandomText(random)), label + " at line"); break;
        }
        if (this->HasFatalFailure())
            return;
    }
}

REGISTER_TYPED_TEST_SUITE_P(EditorContract,
    CrLfSeparatesTwoLines,
    TrailingLineEndGivesAnEmptyLastLine,
    EmptyTextHasNoLines,
    LinesAddedAtTheEndOfAnEmptyText,
    EmptyLineAddedToEmptyTextIsRemembered,
    RememberedLineIsForgottenByAReplacementOrNewText,
    InsertLineBeforeAnExistingLine,
    InsertLinePastTheEndAppends,
    InsertingAtALinePushesItDownUnchanged,
    LoneCrAndLoneLfEndLinesToo,
    SelectionRules,
    ReplaceSelectionLeavesTheCaretAfterTheText,
    InsertLineKeepsTheSelectionPositions,
    ReportStyleInserts,
    RandomSequenceOfOperations);

} // namespace trelvo::contract
