// The main window as it stands after start-up: title, size, menus, accelerators, toolbar,
// editor and status bar, and how they keep their places when the window is resized.
#include "commands_ui.h"
#include "program_fixture.h"

#include <commctrl.h>

#include <regex>

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

std::vector<std::string> ItemTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int item = 0; item < ::GetMenuItemCount(menu); ++item) {
        char text[64] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(item), text, sizeof text, MF_BYPOSITION);
        const bool separator = (::GetMenuState(menu, static_cast<UINT>(item), MF_BYPOSITION) & MF_SEPARATOR) != 0;
        texts.push_back(separator ? "|" : text);
    }
    return texts;
}

TEST_F(MainWindowTest, TitleAndClientSizeBeforeTheMenuBar) {
    EXPECT_EQ(WindowText(Window().Handle()), " TRELVO V.3.7");
    const SIZE client = ClientSize(Window().Handle());
    EXPECT_EQ(client.cx, 640);
    // The window was made for a 640 x 480 client area; the menu bar took its height from it.
    const RECT menuBar = [&] {
        MENUBARINFO info{};
        info.cbSize = sizeof info;
        ::GetMenuBarInfo(Window().Handle(), OBJID_MENU, 0, &info);
        return info.rcBar;
    }();
    EXPECT_EQ(client.cy + (menuBar.bottom - menuBar.top), 480);
}

TEST_F(MainWindowTest, MenusInOrderWithLabelsAndShortcutTexts) {
    const HMENU bar = ::GetMenu(Window().Handle());
    EXPECT_EQ(ItemTexts(bar), (std::vector<std::string>{"File", "Edit", "About"}));
    EXPECT_EQ(ItemTexts(::GetSubMenu(bar, 0)),
              (std::vector<std::string>{"&New\tCTRL+N", "&Open\tCTRL+O", "&Save\tCTRL+S", "Save &As",
                                        "&Print\tCTRL+P", "|", "&Exit\tCTRL+Q"}));
    EXPECT_EQ(ItemTexts(::GetSubMenu(bar, 1)),
              (std::vector<std::string>{"&Find\tCTRL+F", "Find &Next\tF3", "&Replace\tCTRL+H", "&Undo\tCTRL+Z"}));
    EXPECT_EQ(ItemTexts(::GetSubMenu(bar, 2)), (std::vector<std::string>{"&Help\tF1", "A&bout"}));
}

// OLE starts after the first frame; the editor then takes drops.
TEST_F(MainWindowTest, EditorTakesDropsOnceTheWindowIsUp) {
    EXPECT_TRUE(PumpUntil([&] { return Editor().DropTarget() != nullptr; }, 2000));
}

TEST_F(MainWindowTest, ToolbarButtonsInOrderWithTheirStates) {
    std::vector<std::pair<int, bool>> buttons; // command (0 for a separator), enabled
    for (const Toolbar::Button& button : Window().Tools().Buttons())
        buttons.emplace_back(static_cast<int>(button.id), button.enabled);
    constexpr bool on = true, off = false;
    const std::vector<std::pair<int, bool>> expected{
        {1, on},  {2, on},  {3, on}, {8, on}, {0, off}, {5, on},  {6, on},  {7, on},
        {11, on}, {14, on}, {0, off}, {10, off}, {0, off}, {15, on}, {0, off}, {18, off},
        {0, off}, {17, off}, {0, off}, {19, off}, {0, off}, {21, off}, {0, off}};
    EXPECT_EQ(buttons, expected);
    for (const Toolbar::Button& button : Window().Tools().Buttons())
        EXPECT_EQ(button.toggle, button.id == HelpPage) << static_cast<int>(button.id);
    EXPECT_FALSE(Window().Tools().IsChecked(HelpPage));
}

TEST_F(MainWindowTest, PlaceholdersStayDisabled) {
    for (CommandId id : {Exit, Placeholder18, Placeholder19}) {
        TheProgram().Platform().SetButtonEnabled(id, true);
        EXPECT_FALSE(Window().Tools().IsEnabled(id)) << static_cast<int>(id);
    }
}

TEST_F(MainWindowTest, ButtonsShowTheirPictures) {
    const struct {
        CommandId id;
        int standard;
    } standardPictures[] = {{New, STD_FILENEW}, {Open, STD_FILEOPEN}, {Save, STD_FILESAVE},
                            {Print, STD_PRINT},  {Cut, STD_CUT},      {Copy, STD_COPY},
                            {Paste, STD_PASTE},  {Find, STD_FIND}};
    for (const auto& row : standardPictures)
        EXPECT_EQ(Window().Tools().ImageOf(row.id), row.standard) << static_cast<int>(row.id);
#ifdef TRELVO_WIN32_PICTURES
    ASSERT_TRUE(Window().Tools().HasOwnPictures());
    const int first = Window().Tools().ImageOf(RunAnalysis); // ICON1 leads the strip
    EXPECT_GE(first, STD_PRINT + 1);
    EXPECT_EQ(Window().Tools().ImageOf(ChangeFont), first + 1);
    EXPECT_EQ(Window().Tools().ImageOf(LaunchViewer), first + 2);
    EXPECT_EQ(Window().Tools().ImageOf(Placeholder18), first + 3);
    EXPECT_EQ(Window().Tools().ImageOf(HelpPage), first + 4);
#else
    EXPECT_FALSE(Window().Tools().HasOwnPictures());
    EXPECT_EQ(Window().Tools().ImageOf(HelpPage), STD_HELP);
    EXPECT_EQ(Window().Tools().ImageOf(Placeholder18), -1);
#endif
}

// The tooltips, and the library behind them, come when the pointer first comes over.
TEST_F(MainWindowTest, TooltipsComeFromTheCommandTable) {
    const std::pair<CommandId, const char*> tips[] = {
        {New, "New File"},        {Open, "Open File"},           {Save, "Save"},
        {Print, "Print"},         {Cut, "Cut Selected Text"},    {Copy, "Copy Selected Text"},
        {Paste, "Paste Text"},    {Find, "Find Text"},           {ChangeFont, "Change Font"},
        {HelpPage, "Help Page"},  {RunAnalysis, "Run Trelvo"},   {LaunchViewer, "Launch Vantrel"}};
    const HWND toolbar = Window().Tools().Handle();
    ASSERT_EQ(Window().Tools().Tooltips(), nullptr);
    ::PostMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    PumpPending();
    const HWND tooltips = Window().Tools().Tooltips();
    ASSERT_NE(tooltips, nullptr);
    for (const auto& [id, tip] : tips) {
        char text[80] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = toolbar;
        tool.uId = static_cast<UINT_PTR>(id);
        tool.lpszText = text;
        ::SendMessageA(tooltips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, tip) << static_cast<int>(id);
    }
    EXPECT_EQ(Toolbar::TooltipOf(static_cast<UINT_PTR>(Placeholder18)), nullptr);
}

TEST_F(MainWindowTest, EditorSitsBetweenToolbarAndStatusBar) {
    const SIZE client = ClientSize(Window().Handle());
    const RECT editor = PlaceInParent(Editor().Handle());
    EXPECT_EQ(editor.left, 5);
    EXPECT_EQ(editor.top, 30);
    EXPECT_EQ(editor.right, client.cx - 5);
    EXPECT_EQ(editor.bottom - editor.top, 403); // the same as before the menu bar came
    EXPECT_GE(editor.top, PlaceInParent(Window().Tools().Handle()).bottom);
    EXPECT_LE(editor.bottom, PlaceInParent(Window().Status().Handle()).top);
}

TEST_F(MainWindowTest, ResizeKeepsTheEditorsRuleAndRefillsTheStatusBar) {
    TheProgram().Platform().SetStatusText(1, "stale");
    for (const SIZE size : {SIZE{900, 700}, SIZE{500, 400}}) {
        ::SetWindowPos(Window().Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpPending();
        const SIZE client = ClientSize(Window().Handle());
        const RECT editor = PlaceInParent(Editor().Handle());
        EXPECT_EQ(editor.left, 5);
        EXPECT_EQ(editor.top, 30);
        EXPECT_EQ(editor.right, client.cx - 5);
        EXPECT_EQ(editor.bottom - editor.top, Window().EditorPlace().bottom - 30);
        EXPECT_EQ(Window().Status().Text(1), " 0 chars ");
    }
}

TEST_F(MainWindowTest, StatusBarHasTwoFieldsWithClockAndDocument) {
    ::SetWindowPos(Window().Handle(), nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    PumpPending();
    EXPECT_LE(Window().Status().FieldPlace(0).right, 120);
    EXPECT_EQ(Window().Status().FieldPlace(1).left, 120);
    EXPECT_LE(Window().Status().FieldPlace(1).right, 570);
    EXPECT_GT(Window().Status().FieldPlace(1).right, 560);
    EXPECT_TRUE(std::regex_match(Window().Status().Text(0), std::regex("  \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d")))
        << Window().Status().Text(0);
    EXPECT_EQ(Window().Status().Text(1), " 0 chars ");
}

// The grip answers as the window's corner does, and only while the window can be sized.
TEST_F(MainWindowTest, StatusBarGripSizesTheWindowUnlessMaximised) {
    const HWND bar = Window().Status().Handle();
    const auto hitAt = [bar](bool corner) {
        RECT place{};
        ::GetWindowRect(bar, &place);
        const LONG x = corner ? place.right - 2 : place.left + 2;
        return ::SendMessageA(bar, WM_NCHITTEST, 0, MAKELPARAM(x, place.bottom - 2));
    };
    EXPECT_EQ(hitAt(true), HTBOTTOMRIGHT);
    EXPECT_EQ(hitAt(false), HTCLIENT);
    ::ShowWindow(Window().Handle(), SW_MAXIMIZE);
    PumpPending();
    EXPECT_EQ(hitAt(true), HTCLIENT);
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
