// The Windows program shows what every editor front end shows (tests/editor/window_contract.h),
// read from the common controls and menus themselves.
#include "tests/editor/window_contract.h"
#include "tests/win32/editor/program_fixture.h"
#include "tests/win32/editor/user_input.h"
#include "files/wide_names.h"
#include "win32/editor/commands_ui.h"

#include <commctrl.h>

#include <algorithm>

namespace trelvo::win32::test {
namespace {

using namespace contract;

std::string MenuString(HMENU menu, int position) {
    // A menu title's state holds its item count in the high byte: only an item can be a line.
    if (!::GetSubMenu(menu, position) &&
        (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR))
        return "|";
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return Utf8Name(text);
}

class Win32WindowHarness {
public:
    Win32WindowHarness() : program_(std::make_unique<Program>()) {
        script_.Watch();
        program_->Show(SW_SHOWNORMAL);
        Pump();
    }
    ~Win32WindowHarness() {
        script_.Stop();
        program_.reset();
    }

    std::string Title() { return WindowText(Window().Handle()); }

    std::vector<std::string> MenuTitles() { return Items(::GetMenu(Window().Handle())); }
    std::vector<std::string> MenuItems(int menu) { return Items(::GetSubMenu(::GetMenu(Window().Handle()), menu)); }

    // The buttons as the control holds them; the tooltips as the window answers the
    // control's request for them, which is where a screen reader gets a button's name.
    std::vector<ToolButtonShown> Toolbar() {
        const HWND toolbar = Window().Tools().Handle();
        std::vector<ToolButtonShown> buttons;
        const auto count = static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            TBBUTTON button{};
            ::SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
            if (button.fsStyle & BTNS_SEP) {
                buttons.push_back({});
                continue;
            }
            buttons.push_back({button.idCommand, (button.fsState & TBSTATE_ENABLED) != 0,
                               (button.fsStyle & BTNS_CHECK) != 0, Tooltip(button.idCommand)});
        }
        return buttons;
    }

    std::string StatusText(int field) { return Window().Status().Text(field); }

    // The menu the window builds for a right click now.
    std::vector<MenuItemShown> EditorMenu() {
        const HMENU menu = BuildContextMenu(Window().Editor().Editing());
        std::vector<MenuItemShown> items;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            const UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            items.push_back({MenuString(menu, i), (state & MF_SEPARATOR) || !(state & MF_GRAYED)});
        }
        ::DestroyMenu(menu);
        return items;
    }

    std::vector<std::string> SaveQuestionButtons() {
        Type("unsaved");
        std::vector<std::string> labels;
        script_.Then([&labels](HWND box) {
            for (int id : {IDYES, IDNO, IDCANCEL}) {
                std::string label = WindowText(::GetDlgItem(box, id));
                label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
                labels.push_back(label);
            }
            ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        });
        ::PostMessageW(Window().Handle(), WM_COMMAND, static_cast<WPARAM>(CommandId::New), 0);
        Pump();
        return labels;
    }

    void Type(const std::string& text) {
        for (const char character : text)
            ::PostMessageW(Window().Editor().Handle(), WM_CHAR, static_cast<WPARAM>(character), 1);
        Pump();
    }
    void PutTextOnTheClipboard(const std::string& text) {
        if (!text.empty()) {
            SetClipboardText(WideName(text));
        } else if (::OpenClipboard(nullptr)) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
    }
    WindowPort& Port() { return program_->Platform(); }
    EditorControl& Editor() { return Window().Editor(); }

private:
    MainWindow& Window() { return program_->Window(); }

    static std::vector<std::string> Items(HMENU menu) {
        std::vector<std::string> items;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
            items.push_back(MenuString(menu, i));
        return items;
    }

    std::string Tooltip(int id) {
        NMTTDISPINFOW request{};
        request.hdr.hwndFrom = Window().Tools().Handle();
        request.hdr.idFrom = static_cast<UINT_PTR>(id);
        request.hdr.code = TTN_GETDISPINFOW;
        ::SendMessageW(Window().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        return request.lpszText ? Utf8Name(request.lpszText) : "";
    }

    void Pump() {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            program_->HandleMessage(message);
    }

    std::unique_ptr<Program> program_;
    DialogScript script_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, WindowContract, Win32WindowHarness);

} // namespace
} // namespace trelvo::win32::test
