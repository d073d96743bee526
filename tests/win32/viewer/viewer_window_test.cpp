// The Windows viewer shows what every viewer front end shows
// (tests/viewer/viewer_window_contract.h), read from its menus and common controls. Then what
// is its own: keys as accelerators or as text in the box, the mouse's messages, the view at
// another dpi and under High Contrast, its PNG, and its first size.
#include "win32/viewer/gdiplus_session.h"
#include "viewer/hover_text.h"
#include "tests/viewer/results_texts.h"
#include "tests/viewer/viewer_window_contract.h"
#include "files/wide_names.h"
#include "viewer/viewer_texts.h"
#include "win32/viewer/viewer_commands.h"
#include "win32/viewer/viewer_window.h"
#include "win32/viewer/view_export.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace trelvo::win32 {
namespace {

namespace fs = std::filesystem;
using namespace viewer::contract;
using viewer::ViewOptions;
using viewer::ViewerCommandId;

std::string WindowText(HWND window) {
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

LPARAM At(viewer::Point2 p) {
    return MAKELPARAM(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
}

// The common controls, before a window makes its toolbar.
bool InitControls() {
    static INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    return ::InitCommonControlsEx(&controls) != FALSE;
}

constexpr int kMagnificationGap = 1; // the toolbar's gap the box lies over

std::vector<std::string> Items(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        // A menu title's state holds its item count in the high byte: only an item can be a line.
        const bool separator = !::GetSubMenu(menu, i) &&
                               (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR);
        items.push_back(separator ? "|" : Utf8Name(text));
    }
    return items;
}

class Win32ViewerHarness {
public:
    Win32ViewerHarness() { ::ShowWindow(window_.Handle(), SW_SHOWNORMAL); }

    std::string Title() { return WindowText(window_.Handle()); }
    std::vector<std::string> MenuTitles() { return Items(::GetMenu(window_.Handle())); }
    std::vector<std::string> MenuItems(int menu) { return Items(::GetSubMenu(::GetMenu(window_.Handle()), menu)); }
    bool MenuChecked(viewer::ViewerCommandId id) { return MenuState(id) & MF_CHECKED; }
    bool MenuEnabled(viewer::ViewerCommandId id) { return !(MenuState(id) & MF_GRAYED); }

    // The buttons as the control holds them; the tooltips as the window answers the
    // control's request for them, which is where a screen reader gets a button's name.
    std::vector<ViewerToolShown> Toolbar() {
        const HWND toolbar = window_.Tools().Handle();
        std::vector<ViewerToolShown> buttons;
        const auto count = static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            TBBUTTON button{};
            ::SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
            if (button.idCommand == kMagnificationGap)
                buttons.push_back({-1, "", ::IsWindowEnabled(window_.Tools().Magnification().Edit()) != FALSE, false, false, ""});
            else if (button.fsStyle & BTNS_SEP)
                buttons.push_back({});
            else
                buttons.push_back({button.idCommand, ButtonText(button.idCommand),
                                   (button.fsState & TBSTATE_ENABLED) != 0, (button.fsStyle & BTNS_CHECK) != 0,
                                   (button.fsState & TBSTATE_CHECKED) != 0, Tooltip(button.idCommand)});
        }
        return buttons;
    }

    std::vector<std::string> Status() {
        std::vector<std::string> parts;
        for (int part = 0; part < ViewerStatusBar::kPartCount; ++part)
            parts.push_back(window_.Status().Text(static_cast<ViewerStatusBar::Part>(part)));
        return parts;
    }

    std::string MagnificationText() { return WindowText(window_.Tools().Magnification().Edit()); }
    void Open(const std::string& path) {
        window_.OpenFile(path);
        window_.View().Render();
    }
    void Trigger(viewer::ViewerCommandId id) {
        ::SendMessageW(window_.Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    void TypeMagnification(const std::string& text) {
        ::SetWindowTextA(window_.Tools().Magnification().Edit(), text.c_str());
        ::SendMessageW(window_.Tools().Magnification().Edit(), WM_KEYDOWN, VK_RETURN, 0);
    }
    void PressUpInMagnification() { ::SendMessageW(window_.Tools().Magnification().Edit(), WM_KEYDOWN, VK_UP, 0); }
    void PointAt(viewer::Point2 at) { ::SendMessageW(window_.View().Handle(), WM_MOUSEMOVE, 0, At(at)); }
    viewer::Point2 ViewSize() { return window_.ViewSize(); }
    viewer::ViewerCore& Core() { return window_.Core(); }

private:
    UINT MenuState(viewer::ViewerCommandId id) {
        return ::GetMenuState(::GetMenu(window_.Handle()), static_cast<UINT>(id), MF_BYCOMMAND);
    }

    std::string ButtonText(int id) {
        wchar_t text[64] = {};
        ::SendMessageW(window_.Tools().Handle(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(text));
        return Utf8Name(text);
    }

    std::string Tooltip(int id) {
        NMTTDISPINFOW request{};
        request.hdr.hwndFrom = window_.Tools().Handle();
        request.hdr.idFrom = static_cast<UINT_PTR>(id);
        request.hdr.code = TTN_GETDISPINFOW;
        ::SendMessageW(window_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        return request.lpszText ? Utf8Name(request.lpszText) : "";
    }

    bool controls_ = InitControls(); // before the window makes its toolbar
    GdiplusSession gdiplus_;
    ViewerWindow window_{::GetModuleHandleW(nullptr)};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ViewerWindowContract, Win32ViewerHarness);

class ViewerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vantrel-window-test-" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(folder_);
        results_ = (folder_ / "help-example-RZ.TXT").string();
        std::ofstream(results_, std::ios::binary)
            << viewer::testing::AnalysedDocument(viewer::testing::ExampleDeck("help-example.txt"));
        InitControls();
        window_ = std::make_unique<ViewerWindow>(::GetModuleHandleA(nullptr));
        ASSERT_NE(window_->Handle(), nullptr);
        ::ShowWindow(window_->Handle(), SW_SHOWNORMAL);
    }
    void TearDown() override {
        window_.reset();
        fs::remove_all(folder_);
    }

    void Open() {
        ASSERT_TRUE(window_->OpenFile(results_));
        View().Render();
    }
    TrussView& View() { return window_->View(); }
    viewer::ViewState& State() { return window_->Core().State(); }
    viewer::Point2 DrawnNode(int number) {
        return View().ExportScene().hits.nodes[static_cast<std::size_t>(number - 1)];
    }
    // 0xRRGGBB of the view's last picture.
    std::uint32_t PixelAt(POINT at) {
        const SceneBitmap& picture = *View().Picture();
        return picture.Pixels()[at.y * picture.Size().cx + at.x] & 0xFFFFFFu;
    }
    static std::uint32_t Hex(viewer::Rgb c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }
    bool Pressed(HWND target, WPARAM key) {
        MSG message{target, WM_KEYDOWN, key, 0, 0, {}};
        return window_->TranslateAccelerator(message);
    }

    GdiplusSession gdiplus_;
    fs::path folder_;
    std::string results_;
    std::unique_ptr<ViewerWindow> window_;
};

TEST_F(ViewerWindowTest, LetterKeysToggleInTheViewButTypeInTheMagnificationBox) {
    Open();
    const bool reactions = State().Options().showReactions;
    ASSERT_TRUE(Pressed(View().Handle(), 'R'));
    EXPECT_NE(State().Options().showReactions, reactions);
    EXPECT_FALSE(Pressed(window_->Tools().Magnification().Edit(), 'E'));
}

TEST_F(ViewerWindowTest, DragTurnsTheTrussAndHomeTurnsItBack) {
    Open();
    const viewer::Point2 before = DrawnNode(2);
    ::SendMessageA(View().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    ::SendMessageA(View().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, 100));
    ::SendMessageA(View().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(160, 100));
    View().Render();
    EXPECT_GT(std::abs(DrawnNode(2).x - before.x), 5.0);
    ASSERT_TRUE(Pressed(View().Handle(), VK_HOME));
    View().Render();
    EXPECT_NEAR(DrawnNode(2).x, before.x, 1e-9);
}

TEST_F(ViewerWindowTest, EncodesThePngAtTheViewsSize) {
    Open();
    const SIZE size = View().ClientSize(); // 96 dpi: its pixels are the scene's
    const fs::path png = folder_ / "view.png";
    std::ofstream(png, std::ios::binary) << EncodeScenePng(View().ExportScene());
    Gdiplus::Bitmap read(png.wstring().c_str());
    ASSERT_EQ(read.GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(read.GetWidth(), static_cast<UINT>(size.cx));
    EXPECT_EQ(read.GetHeight(), static_cast<UINT>(size.cy));
}

// At 144 dpi the view shows its 96-dpi scene half as large again, and the pointer finds a
// node where it is shown.
TEST_F(ViewerWindowTest, At144DpiANodeIsShownAndFoundHalfAsFarAgain) {
    Open();
    View().SetDpi(144);
    window_->Core().Execute(ViewerCommandId::ResetView); // fitted to the view's size at 144 dpi
    View().Render();
    const viewer::Point2 node = DrawnNode(2);
    const POINT shown{static_cast<LONG>(std::lround(node.x * 1.5)), static_cast<LONG>(std::lround(node.y * 1.5))};
    ::SendMessageA(View().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(shown.x, shown.y));
    EXPECT_EQ(window_->Status().Text(ViewerStatusBar::kHover), viewer::DescribeNode(*State().Model(), 2));
    View().Render();
    EXPECT_EQ(PixelAt(shown), Hex(viewer::palette::kNode));
}

// Under High Contrast the view takes the user's window colours for its ground and ink.
TEST_F(ViewerWindowTest, HighContrastColoursPaintTheGroundAndTheNodes) {
    Open();
    const viewer::NeutralColours contrast{viewer::Rgb{0, 0, 0}, viewer::Rgb{255, 255, 0}};
    View().SetNeutralColours(contrast);
    View().Render();
    EXPECT_EQ(PixelAt(POINT{2, 2}), Hex(*contrast.ground));
    const viewer::Point2 node = DrawnNode(2);
    EXPECT_EQ(PixelAt(POINT{static_cast<LONG>(std::lround(node.x)), static_cast<LONG>(std::lround(node.y))}),
              Hex(*contrast.ink));
}

TEST(FirstClientSize, GrowsWithTheDpiWithinTheWorkArea) {
    const SIZE large{4000, 3000};
    const struct {
        UINT dpi;
        SIZE workArea;
        SIZE expected;
    } rows[] = {{96, large, {1100, 720}}, {144, large, {1650, 1080}}, {144, {1280, 1024}, {1152, 921}}};
    for (const auto& row : rows) {
        const SIZE size = FirstClientSize(row.dpi, row.workArea);
        EXPECT_EQ(size.cx, row.expected.cx) << row.dpi;
        EXPECT_EQ(size.cy, row.expected.cy) << row.dpi;
    }
}

// No shortcut of the command table is left without its key.
TEST(ViewerAccelerators, EveryShortcutIsAKey) {
    const HACCEL keys = BuildViewerAccelerators();
    const auto shortcuts = std::count_if(viewer::ViewerCommands().begin(), viewer::ViewerCommands().end(),
                                         [](const auto& command) { return !command.shortcut.empty(); });
    EXPECT_EQ(::CopyAcceleratorTableW(keys, nullptr, 0), shortcuts);
    ::DestroyAcceleratorTable(keys);
}

} // namespace
} // namespace trelvo::win32
