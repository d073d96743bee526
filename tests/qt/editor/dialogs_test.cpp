// The modal dialogs as the user meets them: the input prompt, the font dialog, the message
// boxes and the file requesters.
#include "tests/qt/editor/desktop_fixture.h"
#include "qt/editor/qt_file_requester.h"
#include "editor/font_commands.h"
#include "qt/editor/qt_font_dialog.h"
#include "editor/help_texts.h"
#include "qt/editor/qt_prompt_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace trelvo::qt::test {
namespace {

using enum CommandId;
using DialogTest = DesktopTest;

TEST_F(DialogTest, PromptHasItsCaptionMessageFieldAndOkButton) {
    Editor().SetText("one two one");
    script_.Then([](QDialog& dialog) {
        auto& prompt = dynamic_cast<PromptDialog&>(dialog);
        EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Find"));
        EXPECT_EQ(prompt.Message()->text(), QStringLiteral("Enter the text to Find"));
        EXPECT_EQ(prompt.size(), QSize(300, 130));
        EXPECT_EQ(prompt.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(QApplication::activeModalWidget(), &prompt);
        EXPECT_EQ(prompt.OkButton()->text(), QStringLiteral("OK"));
        EXPECT_TRUE(prompt.OkButton()->isDefault());
        EXPECT_TRUE(prompt.Field()->text().isEmpty());
        QTest::keyClicks(prompt.Field(), QStringLiteral("two"));
        QTest::keyClick(prompt.Field(), Qt::Key_Return);
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(TheShell().Search().findText, "two");
    EXPECT_EQ(Editor().textCursor().selectedText(), QStringLiteral("two"));
}

TEST_F(DialogTest, PromptIsPresetWithTheCaretAfterTheText) {
    Editor().SetText("one two one");
    script_.Then(TypeAndEnter("one"));
    Press(Qt::Key_F, Qt::ControlModifier);
    script_.Then([](QDialog& dialog) {
        auto& prompt = dynamic_cast<PromptDialog&>(dialog);
        EXPECT_EQ(prompt.Field()->text(), QStringLiteral("one"));
        EXPECT_EQ(prompt.Field()->cursorPosition(), 3);
        EXPECT_FALSE(prompt.Field()->hasSelectedText());
        QTest::keyClick(prompt.Field(), Qt::Key_Backspace); // as typed: "on"
        QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(TheShell().Search().findText, "on");
}

TEST_F(DialogTest, EscapeCancelsThePromptWithAnEmptyAnswer) {
    Editor().SetText("abc");
    script_.Then(TypeAndEnter("b"));
    Press(Qt::Key_F, Qt::ControlModifier);
    script_.Then([](QDialog& dialog) {
        auto& prompt = dynamic_cast<PromptDialog&>(dialog);
        QTest::keyClicks(prompt.Field(), QStringLiteral("c"));
        QTest::keyClick(prompt.Field(), Qt::Key_Escape);
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(TheShell().Search().findText, "");
}

TEST_F(DialogTest, ClosingThePromptCancelsIt) {
    script_.Then([](QDialog& dialog) { dialog.close(); });
    script_.Then(TypeAndEnter("new"));
    Press(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(TheShell().Search().findText, "");
    EXPECT_EQ(TheShell().Search().replaceText, "new");
}

TEST_F(DialogTest, PromptAnswersAreSingleByteText) {
    Editor().SetText("caf\xE9 au lait");
    script_.Then([](QDialog& dialog) {
        auto& prompt = dynamic_cast<PromptDialog&>(dialog);
        prompt.Field()->insert(QString::fromUtf8("caf\xC3\xA9")); // not on the test's keyboard
        QTest::keyClick(prompt.Field(), Qt::Key_Return);
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(TheShell().Search().findText, "caf\xE9");
    EXPECT_EQ(Editor().textCursor().selectionEnd(), 4);
}

TEST_F(DialogTest, FontDialogOpensPresetRegularAndBlack) {
    script_.Then([](QDialog& dialog) {
        auto& fonts = dynamic_cast<FontDialog&>(dialog);
        EXPECT_EQ(fonts.FaceBox()->currentText(), QStringLiteral("Arial"));
        EXPECT_DOUBLE_EQ(fonts.SizeBox()->value(), 11.0);
        for (QCheckBox* box : {fonts.BoldBox(), fonts.ItalicBox(), fonts.UnderlineBox(),
                               fonts.StrikeoutBox()})
            EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(fonts.Colour(), QColor(Qt::black));
        QTest::keyClick(fonts.BoldBox(), Qt::Key_Space);
        QTest::keyClick(fonts.UnderlineBox(), Qt::Key_Space);
        fonts.SetColour(QColor(255, 0, 0));
        fonts.SizeBox()->selectAll();
        QTest::keyClicks(fonts.SizeBox(), QStringLiteral("10.5"));
        QTest::keyClick(fonts.SizeBox(), Qt::Key_Return);
    });
    ClickButton(ChangeFont);
    const EditorFont& font = TheShell().Font();
    EXPECT_EQ(font.faceName, "Arial");
    EXPECT_EQ(font.pointSize, 10); // 10.5 drops its fraction
    EXPECT_EQ(font.styleFlags, kStyleBold | kStyleUnderline);
    EXPECT_EQ(font.textColour, 0x0000FFu);
    EXPECT_EQ(Editor().font().pixelSize(), -MakeFont("Arial", 10, 0, ThePlatform().DisplayDpiY()).pixelHeight);
    EXPECT_EQ(Editor().font().weight(), QFont::Bold);
    EXPECT_EQ(Editor().palette().color(QPalette::Text), QColor(255, 0, 0));

    // Open again: regular and black whatever the editor shows; OK makes the editor so.
    script_.Then([](QDialog& dialog) {
        auto& fonts = dynamic_cast<FontDialog&>(dialog);
        EXPECT_DOUBLE_EQ(fonts.SizeBox()->value(), 10.0);
        EXPECT_FALSE(fonts.BoldBox()->isChecked());
        EXPECT_EQ(fonts.Colour(), QColor(Qt::black));
        QTest::keyClick(fonts.FaceBox()->lineEdit(), Qt::Key_Return);
    });
    ClickButton(ChangeFont);
    EXPECT_EQ(TheShell().Font().styleFlags, 0);
    EXPECT_EQ(Editor().font().weight(), QFont::Normal);
    EXPECT_EQ(Editor().palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(DialogTest, EscapeInTheFontDialogChangesNothing) {
    Editor().SetText("text");
    Editor().SelectRange(4, 4);
    Type("s");
    script_.Then([](QDialog& dialog) {
        auto& fonts = dynamic_cast<FontDialog&>(dialog);
        QTest::keyClick(fonts.BoldBox(), Qt::Key_Space);
        QTest::keyClick(fonts.BoldBox(), Qt::Key_Escape);
    });
    ClickButton(ChangeFont);
    EXPECT_EQ(TheShell().Font().styleFlags, 0);
    EXPECT_EQ(Editor().font().weight(), QFont::Normal);
    EXPECT_TRUE(Editor().document()->isUndoAvailable()) << "the editor was not touched";
}

TEST_F(DialogTest, AboutBoxHasOneOkButtonAndNoIcon) {
    script_.Then([](QDialog& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        EXPECT_EQ(box.windowTitle(), QStringLiteral(" Trelvo"));
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_NE(box.button(QMessageBox::Ok), nullptr);
        QString expected = QString::fromLatin1(AboutText());
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(box.text(), expected);
        EXPECT_TRUE(box.text().startsWith(QStringLiteral("              Trelvo \n")));
        QTest::keyClick(&box, Qt::Key_Return);
    });
    Window().MenuAction(About)->trigger();
    EXPECT_TRUE(script_.Done());
}

TEST_F(DialogTest, SaveQuestionOffersSaveDiscardAndCancel) {
    Type("unsaved");
    script_.Then([](QDialog& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        EXPECT_EQ(box.standardButtons(),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        QTest::keyClick(&box, Qt::Key_Escape); // Escape is Cancel
    });
    Window().MenuAction(New)->trigger();
    EXPECT_EQ(Editor().GetText(), "unsaved");
}

TEST_F(DialogTest, OpenRequesterShowsAllFilesFromTheStartFolder) {
    script_.Then([](QDialog& dialog) {
        auto& requester = dynamic_cast<QFileDialog&>(dialog);
        EXPECT_EQ(requester.windowTitle(), QStringLiteral("File/Open"));
        EXPECT_EQ(requester.nameFilters(), QStringList{QStringLiteral("All files (*)")});
        EXPECT_EQ(requester.fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(requester.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(requester.labelText(QFileDialog::Accept), QStringLiteral("Open"));
        EXPECT_EQ(QDir(requester.directory()).canonicalPath(), QDir::current().canonicalPath());
        dialog.reject();
    });
    Window().MenuAction(Open)->trigger();
    EXPECT_TRUE(script_.Done());
}

TEST_F(DialogTest, OpenAcceptsANameThatDoesNotExist) {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("new deck.txt"));
    script_.Then(ChooseFile(missing));
    Window().MenuAction(Open)->trigger();
    EXPECT_EQ(TheShell().Document().fileName, missing.toStdString());
    EXPECT_EQ(Editor().GetText(), "");
}

TEST_F(DialogTest, SaveRequesterPresetsTheNameAndReplacesWithoutAsking) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("deck.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    Type("new");
    script_.Then([&](QDialog& dialog) {
        auto& requester = dynamic_cast<QFileDialog&>(dialog);
        EXPECT_EQ(requester.windowTitle(), QStringLiteral("File/SaveAs"));
        EXPECT_EQ(requester.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(requester.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(requester.nameFilters(), QStringList{QStringLiteral("All files (*)")});
        requester.selectFile(path);
        dialog.accept();
    });
    Window().MenuAction(SaveAs)->trigger();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("new"));
    EXPECT_EQ(script_.Titles(), QStringList{QStringLiteral("File/SaveAs")});
}

TEST(FileRequester, DefaultTextGivesFolderAndFileName) {
    using qt::SplitDefaultText;
    EXPECT_EQ(SplitDefaultText("/home/u/decks/").folder, QStringLiteral("/home/u/decks"));
    EXPECT_EQ(SplitDefaultText("/home/u/decks/").fileName, QString());
    EXPECT_EQ(SplitDefaultText("/start/bridge.txt").fileName, QStringLiteral("bridge.txt"));
    EXPECT_EQ(SplitDefaultText("C:\\decks\\bridge.txt").folder, QStringLiteral("C:\\decks"));
    EXPECT_EQ(SplitDefaultText("C:\\decks\\bridge.txt").fileName, QStringLiteral("bridge.txt"));
    EXPECT_EQ(SplitDefaultText("/bridge.txt").folder, QStringLiteral("/"));
    EXPECT_EQ(SplitDefaultText("bridge.txt").folder, QString());
}

} // namespace
} // namespace trelvo::qt::test
