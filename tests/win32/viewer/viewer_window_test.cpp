// What is the Windows viewer's own: keys as accelerators or as text in the box, the mouse's
// messages, the view at another dpi and under High Contrast, its PNG, and its first size.
// What every front end shows is in viewer_window_contract_test.cpp.
#include "win32/viewer/gdiplus_session.h"
#include "viewer/hover_text.h"
#include "tests/viewer/results_texts.h"
#include "viewer/viewer_texts.h"
#include "win32/viewer/viewer_window.h"
#include "win32/viewer/view_export.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace trelvo::win32 {
namespace {

namespace fs = std::filesystem;
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

class ViewerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vantrel-window-test-" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(folder_);
        results_ = (folder_ / "help-example-RZ.TXT").string();
        std::ofstream(results_, std::ios::binary)
            << viewer::testing::AnalysedDocument(viewer::testing::ExampleDeck("help-example.txt"));
        static INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
        ::InitCommonControlsEx(&controls);
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

} // namespace
} // namespace trelvo::win32
