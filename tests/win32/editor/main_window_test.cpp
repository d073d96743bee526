// The main window as it stands after start-up: title, size, menus, accelerators, toolbar,
// editor and status bar, and how they keep their places when the window is resized.
#include "win32/editor/commands_ui.h"
#include "win32/common/dpi.h"
#include "tests/win32/editor/program_fixture.h"

#include <commctrl.h>


namespace trelvo::win32::test {
namespace {

using enum CommandId;
using MainWindowTest = ProgramTest;

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

RECT PlaceInParent(HWND child) {
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::string ClassName(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

TEST_F(MainWindowTest, TitleAndClientSizeBeforeTheMenuBar) {
    EXPECT_EQ(WindowText(Window().Handle()), " TRELVO V.3.7");
    const UINT dpi = Window().Dpi();
    const SIZE client = ClientSize(Window().Handle());
    EXPECT_EQ(client.cx, Scaled(640, dpi));
    // The window was made for a 640 x 480 client area; the menu bar took its height from it.
    const RECT menuBar = [&] {
        MENUBARINFO info{};
        info.cbSize = sizeof info;
        ::GetMenuBarInfo(Window().Handle(), OBJID_MENU, 0, &info);
        return info.rcBar;
    }();
    EXPECT_NEAR(client.cy + (menuBar.bottom - menuBar.top), Scaled(480, dpi), 1);
}

// OLE starts after the first frame; the editor then takes drops.
TEST_F(MainWindowTest, EditorTakesDropsOnceTheWindowIsUp) {
    EXPECT_TRUE(PumpUntil([&] { return Editor().DropTarget() != nullptr; }, 2000));
}

TEST_F(MainWindowTest, ButtonsShowTheirPictures) {
    const auto imageOf = [&](CommandId id) { return Window().Tools().ImageOf(static_cast<int>(id)); };
    const struct {
        CommandId id;
        int standard;
    } standardPictures[] = {{New, STD_FILENEW}, {Open, STD_FILEOPEN}, {Save, STD_FILESAVE},
                            {Print, STD_PRINT},  {Cut, STD_CUT},      {Copy, STD_COPY},
                            {Paste, STD_PASTE},  {Find, STD_FIND}};
    for (const auto& row : standardPictures)
        EXPECT_EQ(imageOf(row.id), row.standard) << static_cast<int>(row.id);
#ifdef TRELVO_WIN32_PICTURES
    ASSERT_TRUE(Window().Tools().HasOwnPictures());
    const int first = imageOf(RunAnalysis); // ICON1 leads the strip
    EXPECT_EQ(first, STD_PRINT + 1);
    EXPECT_EQ(imageOf(ChangeFont), first + 1);
    EXPECT_EQ(imageOf(LaunchViewer), first + 2);
    EXPECT_EQ(imageOf(Placeholder18), first + 3);
    EXPECT_EQ(imageOf(HelpPage), first + 4);
#else
    EXPECT_FALSE(Window().Tools().HasOwnPictures());
    EXPECT_EQ(imageOf(HelpPage), STD_HELP);
    EXPECT_EQ(imageOf(Placeholder18), I_IMAGENONE);
#endif
}

// Every measure is its 96-dpi figure at the window's DPI: run at 96 and at 144 dpi.
TEST_F(MainWindowTest, MeasuresAreTheirFiguresAtTheWindowsDpi) {
    const UINT dpi = Window().Dpi();
    const SIZE client = ClientSize(Window().Handle());
    EXPECT_EQ(client.cx, Scaled(640, dpi));
    const RECT editor = PlaceInParent(Editor().Handle());
    EXPECT_EQ(editor.left, Scaled(5, dpi));
    EXPECT_EQ(editor.top, Scaled(30, dpi));
    EXPECT_NEAR(editor.right, client.cx - Scaled(5, dpi), 1); // 7.5 pixels at 144 dpi
    EXPECT_NEAR(editor.bottom - editor.top, Scaled(403, dpi), 1); // as before the menu bar came
    const LRESULT button = ::SendMessageW(Window().Tools().Handle(), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_NEAR(LOWORD(button), Scaled(23, dpi), 1);
    EXPECT_EQ(Window().Tools().PictureSize(), dpi >= 120 ? 24 : 16);
    EXPECT_LE(PlaceInParent(Window().Tools().Handle()).bottom, editor.top);
    EXPECT_LE(editor.bottom, PlaceInParent(Window().Status().Handle()).top);
    EXPECT_EQ(Window().Status().PartPlace(0).right, Scaled(120, dpi));
    EXPECT_EQ(Window().Status().PartPlace(1).right, Scaled(570, dpi));
}

// A move to a monitor of another scale: the suggested place is taken, and everything is
// laid out again at the new DPI, the editor's font included.
TEST_F(MainWindowTest, MoveToAMonitorOfAnotherScaleLaysOutAgain) {
    const auto fontHeight = [&] { // in twips at the screen's resolution
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        ::SendMessageW(Editor().Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        return static_cast<double>(format.yHeight);
    };
    const double heightBefore = fontHeight();
    const UINT before = Window().Dpi(), dpi = before == 96 ? 144 : 96;
    RECT suggested{10, 10, 10 + Scaled(700, dpi), 10 + Scaled(500, dpi)};
    ::SendMessageW(Window().Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpPending();
    RECT frame{};
    ::GetWindowRect(Window().Handle(), &frame);
    EXPECT_EQ(frame.right - frame.left, suggested.right - suggested.left);
    const RECT editor = PlaceInParent(Editor().Handle());
    EXPECT_EQ(editor.left, Scaled(5, dpi));
    EXPECT_EQ(editor.top, Scaled(30, dpi));
    EXPECT_EQ(Window().Tools().PictureSize(), dpi >= 120 ? 24 : 16);
    EXPECT_EQ(Window().Status().PartPlace(1).right, Scaled(570, dpi));
    // The same eleven points: a height in pixels as many times larger as the DPI, within
    // the rounding of one pixel (15 twips).
    EXPECT_NEAR(fontHeight(), heightBefore * dpi / before, 15.0);
}

TEST_F(MainWindowTest, ResizeKeepsTheEditorsRuleAndRefillsTheStatusBar) {
    TheProgram().Platform().SetStatusText(1, "stale");
    const UINT dpi = Window().Dpi();
    for (const SIZE size : {SIZE{900, 700}, SIZE{500, 400}}) {
        ::SetWindowPos(Window().Handle(), nullptr, 0, 0, Scaled(size.cx, dpi), Scaled(size.cy, dpi),
                       SWP_NOMOVE | SWP_NOZORDER);
        PumpPending();
        const SIZE client = ClientSize(Window().Handle());
        const RECT editor = PlaceInParent(Editor().Handle());
        EXPECT_EQ(editor.left, Scaled(5, dpi));
        EXPECT_EQ(editor.top, Scaled(30, dpi));
        EXPECT_NEAR(editor.right, client.cx - Scaled(5, dpi), 1); // 7.5 pixels at 144 dpi
        EXPECT_EQ(editor.bottom - editor.top, Window().EditorPlace().bottom - Scaled(30, dpi));
        EXPECT_EQ(Window().Status().Text(1), " 0 chars ");
    }
}

// The platform's own controls, which the theme draws and screen readers read.
TEST_F(MainWindowTest, BarsAreTheCommonControls) {
    EXPECT_EQ(ClassName(Window().Tools().Handle()), "ToolbarWindow32");
    EXPECT_EQ(ClassName(Window().Status().Handle()), "msctls_statusbar32");
    EXPECT_EQ(::SendMessageW(Window().Status().Handle(), SB_GETPARTS, 0, 0), 2);
}

TEST_F(MainWindowTest, ClockTickRefreshesTheStatusBar) {
    Editor().SetText("a\r\nb\r\nc\r\n");
    ::SendMessageA(Window().Handle(), WM_TIMER, MainWindow::kClockTimer, 0);
    EXPECT_EQ(Window().Status().Text(1), " 9 chars ");
}

TEST_F(MainWindowTest, EditorStartsInArialElevenBlack) {
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    ::SendMessageA(Editor().Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.crTextColor, 0u);
    EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_AUTOCOLOR), 0u);
}

TEST_F(MainWindowTest, EditorStyles) {
    const LONG_PTR style = ::GetWindowLongPtrA(Editor().Handle(), GWL_STYLE);
    for (LONG_PTR flag : std::initializer_list<LONG_PTR>{ES_MULTILINE, ES_AUTOVSCROLL, ES_AUTOHSCROLL,
                                                         ES_NOHIDESEL, ES_WANTRETURN, WS_TABSTOP,
                                                         ES_NOOLEDRAGDROP})
        EXPECT_EQ(style & flag, flag) << std::hex << flag;
    EXPECT_TRUE(::GetWindowLongPtrA(Editor().Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

// The scroll bars come as the text needs them: long lines scroll sideways.
TEST_F(MainWindowTest, ScrollBarsComeWithALongText) {
    std::string text;
    for (int line = 0; line < 100; ++line)
        text += std::string(400, 'x') + "\r\n";
    Editor().SetText(text);
    PumpPending();
    const LONG_PTR style = ::GetWindowLongPtrA(Editor().Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_EQ(Editor().LineCount(), 101);
}

} // namespace
} // namespace trelvo::win32::test
