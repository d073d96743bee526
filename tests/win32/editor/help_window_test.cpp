// The help window: its frame and label, a font on which the whole help text fits, and
// how Help Page, F1, the toolbar button and a close request show and hide it.
#include "tests/win32/editor/program_fixture.h"

#include "editor/help_texts.h"

namespace trelvo::win32::test {
namespace {

using enum CommandId;
using HelpWindowTest = ProgramTest;

bool HelpVisible(HelpWindow& help) { return ::IsWindowVisible(help.Handle()) != FALSE; }

TEST_F(HelpWindowTest, HiddenAtStartWithATitleBarOnly) {
    EXPECT_FALSE(HelpVisible(Help()));
    EXPECT_EQ(WindowText(Help().Handle()), " TRELVO V.3.7");
    const LONG_PTR style = ::GetWindowLongPtrA(Help().Handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    RECT client{};
    ::GetClientRect(Help().Handle(), &client);
    EXPECT_EQ(client.right, 460);
    EXPECT_EQ(client.bottom, 340);
}

TEST_F(HelpWindowTest, LabelShowsTheHelpTextInAFramedBox) {
    const HWND label = Help().Label();
    EXPECT_EQ(WindowText(label), HelpText());
    RECT place{};
    ::GetWindowRect(label, &place);
    ::MapWindowPoints(nullptr, Help().Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 5);
    EXPECT_EQ(place.top, 5);
    EXPECT_EQ(place.right - place.left, 450);
    EXPECT_EQ(place.bottom - place.top, 330);
    EXPECT_TRUE(::GetWindowLongPtrA(label, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(::GetWindowLongPtrA(label, GWL_STYLE) & SS_NOPREFIX);
}

// Measured as the label draws: no word wider than the label, every wrapped line within it.
TEST_F(HelpWindowTest, WholeHelpTextFitsTheLabel) {
    const HWND label = Help().Label();
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    RECT client{};
    ::GetClientRect(label, &client);
    const HDC screen = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, font);
    RECT needed{0, 0, client.right, 0};
    ::DrawTextA(screen, HelpText().c_str(), -1, &needed, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_CALCRECT);
    SIZE rule{};
    const std::string equals(74, '=');
    ::GetTextExtentPoint32A(screen, equals.c_str(), 74, &rule);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(screen, &metrics);
    ::SelectObject(screen, previous);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    EXPECT_LE(needed.bottom, client.bottom);
    EXPECT_LE(rule.cx, client.right);
    EXPECT_GE(needed.bottom, 23 * metrics.tmHeight); // all 23 lines were measured
    LOGFONTA face{};
    ::GetObjectA(font, sizeof face, &face);
    EXPECT_LE(-face.lfHeight, ::MulDiv(8, dpi, 72)); // 8 points at most, 5 at least
    EXPECT_GE(-face.lfHeight, ::MulDiv(5, dpi, 72));
}

TEST_F(HelpWindowTest, FitMeasureRefusesATextTooLargeForTheArea) {
    SIZE tooSmall{100, 40};
    EXPECT_FALSE(LabelTextFits(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), HelpText(), tooSmall));
    EXPECT_TRUE(LabelTextFits(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), "short", tooSmall));
}

TEST_F(HelpWindowTest, HelpPageTogglesTheWindowAndTheCheckMark) {
    Press(VK_F1);
    EXPECT_TRUE(HelpVisible(Help()));
    EXPECT_TRUE(Window().IsMenuChecked(HelpPage));
    EXPECT_TRUE(TheShell().HelpShown());
    Command(HelpPage);
    EXPECT_FALSE(HelpVisible(Help()));
    EXPECT_FALSE(Window().IsMenuChecked(HelpPage));
}

// The button flips its own look; F1 and the menu leave it alone.
TEST_F(HelpWindowTest, ToolbarButtonFlipsItsOwnLook) {
    ClickButton(HelpPage);
    EXPECT_TRUE(HelpVisible(Help()));
    EXPECT_TRUE(Window().Tools().IsChecked(HelpPage));
    Press(VK_F1);
    EXPECT_FALSE(HelpVisible(Help()));
    EXPECT_TRUE(Window().Tools().IsChecked(HelpPage));
}

TEST_F(HelpWindowTest, KeysOfTheMainWindowDoNothingInTheHelpWindow) {
    Press(VK_F1);
    ASSERT_TRUE(HelpVisible(Help()));
    PressIn(Help().Handle(), VK_F1);
    PressIn(Help().Handle(), VK_ESCAPE);
    EXPECT_TRUE(HelpVisible(Help()));
    EXPECT_FALSE(TheProgram().QuitRequested());
}

TEST_F(HelpWindowTest, CloseRequestHidesTheHelpAndReleasesTheButton) {
    ClickButton(HelpPage);
    ASSERT_TRUE(Window().Tools().IsChecked(HelpPage));
    ::PostMessageA(Help().Handle(), WM_CLOSE, 0, 0);
    PumpPending();
    EXPECT_FALSE(HelpVisible(Help()));
    EXPECT_FALSE(Window().Tools().IsChecked(HelpPage));
    EXPECT_FALSE(Window().IsMenuChecked(HelpPage));
    EXPECT_FALSE(TheProgram().QuitRequested());
    EXPECT_TRUE(::IsWindow(Help().Handle()));
}

TEST_F(HelpWindowTest, AboutShowsTheSameTextEachTime) {
    script_.Then(PushButton(IDOK));
    script_.Then(PushButton(IDOK));
    Command(About);
    Command(About);
    EXPECT_EQ(script_.Titles(), (std::vector<std::string>{" Trelvo", " Trelvo"}));
    ASSERT_EQ(script_.Texts().size(), 2u);
    EXPECT_EQ(script_.Texts()[0], script_.Texts()[1]);
    EXPECT_NE(script_.Texts()[0].find("Max 50 nodes/elements."), std::string::npos);
}

} // namespace
} // namespace trelvo::win32::test
