// What the desktop editor adds to the text rules: the single-byte character rule, its
// change counter, its font and colour, its keys and its undo steps.
#include "editor/font_commands.h"
#include "qt/editor/qt_editor_control.h"

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace trelvo::qt {
namespace {

TEST(QtEditorControl, KeepsLongLinesUnwrappedAndScrollsSidewaysAndDown) {
    QtEditorControl editor;
    editor.resize(300, 200);
    editor.show();
    EXPECT_EQ(editor.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(editor.tabChangesFocus());
    EXPECT_FALSE(editor.horizontalScrollBar()->isVisible()) << "nothing to scroll yet";
    EXPECT_FALSE(editor.verticalScrollBar()->isVisible());

    editor.SetText(std::string(400, 'w') + "\r\n");
    QCoreApplication::processEvents();
    EXPECT_TRUE(editor.horizontalScrollBar()->isVisible()) << "a long line scrolls sideways";
    EXPECT_EQ(editor.document()->blockCount(), 2) << "not wrapped";

    std::string lines;
    for (int line = 0; line < 100; ++line)
        lines += "line\r\n";
    editor.SetText(lines);
    QCoreApplication::processEvents();
    EXPECT_TRUE(editor.verticalScrollBar()->isVisible());
}

TEST(QtEditorControl, RevisionGrowsWithEveryChangeOfTheText) {
    QtEditorControl editor;
    std::uint64_t before = editor.Revision();
    editor.SetText("ab");
    EXPECT_GT(editor.Revision(), before);
    before = editor.Revision();
    editor.SelectRange(1, 1);
    editor.ReplaceSelection("x");
    EXPECT_GT(editor.Revision(), before);
    before = editor.Revision();
    QTest::keyClicks(&editor, QStringLiteral("typed"));
    EXPECT_GT(editor.Revision(), before);
    before = editor.Revision();
    editor.SelectRange(0, 2);
    EXPECT_EQ(editor.Revision(), before) << "a selection is no change of the text";
}

TEST(QtEditorControl, CharactersAreSingleBytes) {
    QtEditorControl editor;
    editor.SetText("caf\xE9");
    EXPECT_EQ(editor.toPlainText(), QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(editor.GetText(), "caf\xE9");
    EXPECT_FALSE(editor.FirstUnencodableLine().has_value());
}

// Typed, committed by an input method or pasted, a character one byte cannot hold never
// enters the text; a paste is refused whole and names its first such character, while
// Latin-1 characters go in by every way.
TEST(QtEditorControl, RefusesCharactersOneByteCannotHold) {
    const QString euro(QChar(0x20AC));
    const auto type = [](QtEditorControl& editor, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&editor, &press);
    };
    const auto commit = [](QtEditorControl& editor, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&editor, &event);
    };
    const auto paste = [](QtEditorControl& editor, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        editor.Paste();
    };
    struct Row {
        const char* way;
        std::function<void(QtEditorControl&, const QString&)> insert;
        QString refused;
        std::vector<char32_t> named;
    };
    const std::vector<Row> rows{
        {"typed", type, euro, {}},
        {"input method", commit, euro, {}},
        {"pasted", paste, "x" + euro + "y", {0x20AC}},
        {"pasted outside the first plane", paste, QString::fromUtf8("\xF0\x9F\x98\x80"), {0x1F600}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.way);
        QtEditorControl editor;
        std::vector<char32_t> named;
        QObject::connect(&editor, &QtEditorControl::insertRefused,
                         [&named](char32_t character) { named.push_back(character); });
        editor.SetText("ab");
        editor.SelectRange(1, 1);
        row.insert(editor, row.refused);
        EXPECT_EQ(editor.GetText(), "ab");
        EXPECT_EQ(named, row.named);
        row.insert(editor, QString(QChar(0xE9)));
        EXPECT_EQ(editor.GetText(), "a\xE9" "b");
    }
}

TEST(QtEditorControl, FindsTheFirstLineWithACharacterOneByteCannotHold) {
    QtEditorControl editor;
    editor.SetText("one\r\ntwo\r\nthree");
    editor.SelectRange(6, 6); // between "tw" and "o", line 2 counted from 1
    editor.insertPlainText(QString(QChar(0x20AC)));
    EXPECT_EQ(editor.FirstUnencodableLine(), 2);
    EXPECT_EQ(editor.GetLine(1), "tw?o");
}

TEST(QtEditorControl, TextLengthCountsLineEndsTwice) {
    QtEditorControl editor;
    editor.SetText("a\nb\nc\n");
    EXPECT_EQ(editor.TextLength(), 9u); // three letters and three CR LF
    EXPECT_EQ(editor.GetText().size(), 9u);
}

TEST(QtEditorControl, ApplyFontSetsFaceSizeStyleAndColour) {
    QtEditorControl editor;
    editor.SetText("line one\r\nline two");
    editor.SelectRange(5, 8);
    editor.ReplaceSelection("ONE");
    ASSERT_TRUE(editor.document()->isUndoAvailable());

    const FontSpec font = MakeFont("Arial", 12, kStyleBold | kStyleItalic | kStyleUnderline, 96);
    editor.ApplyFont(font, 0x0000FF); // red
    EXPECT_EQ(editor.font().pixelSize(), 16);
    EXPECT_EQ(editor.font().weight(), QFont::Bold);
    EXPECT_TRUE(editor.font().italic());
    EXPECT_TRUE(editor.font().underline());
    EXPECT_FALSE(editor.font().strikeOut());
    EXPECT_EQ(editor.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_FALSE(editor.document()->isUndoAvailable());
    EXPECT_EQ(editor.textCursor().position(), 0);
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(editor.GetText(), "line ONE\r\nline two");
}

TEST(QtEditorControl, ApplyFontColourFollowsTheBgrOrder) {
    QtEditorControl editor;
    editor.ApplyFont(MakeFont("Arial", 11, kStyleStrikeout, 96), 0x00804020);
    EXPECT_EQ(editor.palette().color(QPalette::Text), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(editor.font().weight(), QFont::Normal);
    EXPECT_TRUE(editor.font().strikeOut());
    EXPECT_EQ(editor.font().pixelSize(), 15); // 11 x 96 / 72 = 14.67
}

TEST(QtEditorControl, EditsOfOneCommandAreUndoneTogether) {
    QtEditorControl editor;
    editor.SetText("deck");
    AppendText(editor, "\r\n");
    InsertTextAtLine(editor, 1, "first\r\n");
    InsertTextAtLine(editor, 2, "second\r\n");
    editor.InsertLine(-1, "last");
    editor.EndEditGroup();
    ASSERT_EQ(editor.GetText(), "deck\r\nfirst\r\nsecond\r\n\r\nlast");
    editor.Undo();
    EXPECT_EQ(editor.GetText(), "deck");
}

TEST(QtEditorControl, EditGroupClosesWhenTheEventLoopRuns) {
    QtEditorControl editor;
    editor.SetText("a");
    AppendText(editor, "b");
    QCoreApplication::processEvents();
    AppendText(editor, "c");
    QCoreApplication::processEvents();
    editor.Undo();
    EXPECT_EQ(editor.GetText(), "ab");
}

TEST(QtEditorControl, ShiftEnterEndsALineLikeEnter) {
    QtEditorControl editor;
    editor.SetText("ab");
    editor.SelectRange(1, 1);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(editor.GetText(), "a\r\nb");
    EXPECT_EQ(editor.LineCount(), 2);
}

TEST(QtEditorControl, SelectionStaysVisibleWithoutFocus) {
    QtEditorControl editor;
    const QPalette colours = editor.palette();
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
              colours.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::HighlightedText),
              colours.color(QPalette::Active, QPalette::HighlightedText));
}

} // namespace
} // namespace trelvo::qt
