// The Windows viewer shows what every viewer front end shows
// (tests/viewer/viewer_window_contract.h), read from its menus and common controls.
#include "tests/viewer/viewer_window_contract.h"

#include "files/wide_names.h"
#include "win32/viewer/gdiplus_session.h"
#include "win32/viewer/viewer_window.h"

#include <commctrl.h>

#include <cmath>

namespace trelvo::win32 {
namespace {

using namespace viewer::contract;

constexpr int kMagnificationGap = 1; // the toolbar's gap the box lies over

std::string WindowText(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return Utf8Name(text);
}

std::vector<std::string> Items(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const bool separator = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR;
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
    bool MenuChecked(viewer::ViewerCommandId id) {
        return ::GetMenuState(::GetMenu(window_.Handle()), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED;
    }

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
                buttons.push_back({-1, "", ::IsWindowEnabled(window_.Tools().Magnification().Edit()) != FALSE});
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
    void PointAt(viewer::Point2 at) {
        const LPARAM place = MAKELPARAM(static_cast<int>(std::lround(at.x)), static_cast<int>(std::lround(at.y)));
        ::SendMessageW(window_.View().Handle(), WM_MOUSEMOVE, 0, place);
    }
    viewer::Point2 ViewSize() { return window_.ViewSize(); }
    viewer::ViewerCore& Core() { return window_.Core(); }

private:
    static bool InitControls() {
        static INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
        return ::InitCommonControlsEx(&controls) != FALSE;
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

} // namespace
} // namespace trelvo::win32
