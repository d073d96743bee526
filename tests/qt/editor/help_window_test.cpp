// The help window: its frame, its label, and how the Help Page command shows it.
#include "tests/qt/editor/desktop_fixture.h"
#include "editor/help_texts.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace trelvo::qt::test {
namespace {

using enum CommandId;
using HelpWindowTest = DesktopTest;

TEST_F(HelpWindowTest, IsAHiddenOwnerlessWindowWithATitleBarOnly) {
    EXPECT_FALSE(Help().isVisible());
    EXPECT_TRUE(Help().isWindow());
    EXPECT_EQ(Help().parentWidget(), nullptr);
    EXPECT_EQ(Help().windowTitle(), QStringLiteral(" TRELVO V.3.7"));
    const Qt::WindowFlags flags = Help().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType absent : {Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint,
                                  Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        EXPECT_FALSE(flags.testFlag(absent)) << absent;
    EXPECT_EQ(Help().size(), QSize(460, 340));
    EXPECT_EQ(Help().minimumSize(), Help().maximumSize()) << "no sizing border";
}

TEST_F(HelpWindowTest, LabelShowsTheHelpTextSunkenAndWrapped) {
    QLabel* label = Help().Label();
    EXPECT_EQ(label->geometry(), QRect(5, 5, 450, 330));
    EXPECT_EQ(label->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction);
    const QString text = label->text();
    EXPECT_EQ(text.count(QLatin1Char('\n')), 23);
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Input File Description:\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("2 2 3 30.0e6 0.049\n")));
    EXPECT_EQ(text.size() + 23, 1270) << "1270 characters with CR LF line ends";
}

// The example deck must be readable to its last line: the label's font lets the whole text,
// wrapped lines included, fit. Drawn with and without its last line, the label differs in
// pixels that lie wholly inside its frame, above the bottom edge; and no line, the rules of
// "=" included, reaches the right edge.
TEST_F(HelpWindowTest, TheWholeTextFitsInTheLabel) {
    ClickButton(HelpPage);
    QLabel* label = Help().Label();
    EXPECT_LE(label->font().pointSizeF(), 8.0);
    EXPECT_LE(label->heightForWidth(label->width()), label->height());

    const QImage whole = label->grab().toImage();
    const QString text = label->text();
    ASSERT_TRUE(text.endsWith(QStringLiteral("\n2 2 3 30.0e6 0.049\n")));
    label->setText(text.left(text.size() - 19));
    const QImage withoutLastLine = label->grab().toImage();
    label->setText(text);
    ASSERT_EQ(whole.size(), withoutLastLine.size());
    int lowest = -1;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            if (whole.pixel(x, y) != withoutLastLine.pixel(x, y))
                lowest = y;
    ASSERT_GE(lowest, 0) << "the last line is drawn";
    const QRect inside = label->contentsRect();
    EXPECT_LT(lowest, inside.bottom()) << "and not cut off";
    const QRgb background = whole.pixel(inside.bottomRight());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        ASSERT_EQ(whole.pixel(inside.right(), y), background) << "a line cut at y " << y;
}

// Where the window manager gives the help window a close box anyway, it hides the help
// and releases the button; the program goes on, and asks nothing about unsaved text.
TEST_F(HelpWindowTest, ClosingItHidesTheHelpAndTheProgramGoesOn) {
    Type("unsaved text");
    ClickButton(HelpPage);
    ASSERT_TRUE(Help().isVisible());
    Help().close();
    EXPECT_FALSE(Help().isVisible());
    EXPECT_FALSE(Window().ButtonAction(HelpPage)->isChecked());
    EXPECT_FALSE(Window().MenuAction(HelpPage)->isChecked());
    EXPECT_FALSE(TheShell().QuitRequested());
    EXPECT_TRUE(script_.Titles().isEmpty()) << script_.Titles().join(',').toStdString();
    ClickButton(HelpPage);
    EXPECT_TRUE(Help().isVisible()) << "the next press shows it again";
}

TEST_F(HelpWindowTest, HelpButtonShowsAndHidesAndFlipsItsOwnLook) {
    ClickButton(HelpPage);
    EXPECT_TRUE(Help().isVisible());
    EXPECT_TRUE(Window().ButtonAction(HelpPage)->isChecked());
    EXPECT_TRUE(Window().MenuAction(HelpPage)->isChecked());
    ClickButton(HelpPage);
    EXPECT_FALSE(Help().isVisible());
    EXPECT_FALSE(Window().ButtonAction(HelpPage)->isChecked());
    EXPECT_FALSE(Window().MenuAction(HelpPage)->isChecked());
}

TEST_F(HelpWindowTest, MenuItemAndButtonLookMayDisagree) {
    Window().MenuAction(HelpPage)->trigger();
    EXPECT_TRUE(Help().isVisible());
    EXPECT_FALSE(Window().ButtonAction(HelpPage)->isChecked());
    ClickButton(HelpPage); // pressed look, but it hides the window
    EXPECT_FALSE(Help().isVisible());
    EXPECT_TRUE(Window().ButtonAction(HelpPage)->isChecked());
    EXPECT_FALSE(Window().MenuAction(HelpPage)->isChecked());
}

TEST_F(HelpWindowTest, KeepsItsPlaceWhenShownAgain) {
    ClickButton(HelpPage);
    Help().move(Help().pos() + QPoint(20, 10));
    const QPoint place = Help().pos();
    ClickButton(HelpPage);
    ClickButton(HelpPage);
    EXPECT_EQ(Help().pos(), place);
}

} // namespace
} // namespace trelvo::qt::test
