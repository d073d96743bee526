#include "main_window.h"

#include "commands_ui.h"
#include "help_texts.h"
#include "resource_ids.h"
#include "shell.h"
#include "window_class.h"

#include <algorithm>

namespace trelvo::win32 {
namespace {

constexpr int kEditorId = 100;
constexpr int kToolbarId = 101;
constexpr int kStatusBarId = 102;
constexpr SIZE kClientSize{640, 480};
constexpr int kEditorLeft = 5;
constexpr int kEditorTop = 30; // below the toolbar
constexpr int kEditorSideMargins = 10;
constexpr int kEditorHeightLess = 77; // toolbar above, status bar below
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

} // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    const char* className = RegisterWindowClass(instance, "TrelvoMainWindow", &WindowProc, true);
    window_ = CreateCentredWindow(instance, className, kWindowTitle, kClientSize, kStyle, this);
    if (!window_) {
        // The program ends at once, but the shell is still made over an editor.
        editor_ = std::make_unique<RichEditor>(nullptr, kEditorId, RECT{});
        return;
    }
    accelerators_ = BuildAccelerators();
    ::SetTimer(window_, kClockTimer, kClockInterval, nullptr);
    BuildControls(instance);
    // A timer's message comes only once the queue is empty: after the first frame.
    ::SetTimer(window_, kDropsTimer, USER_TIMER_MINIMUM, nullptr);
}

MainWindow::~MainWindow() {
    shell_ = nullptr;
    status_.reset();
    toolbar_.reset();
    editor_.reset();
    if (::IsWindow(window_))
        ::DestroyWindow(window_);
    if (accelerators_)
        ::DestroyAcceleratorTable(accelerators_);
}

// The editor is made before the menu bar is attached, so it is placed by the client
// area the window was created with; the menu bar's height is then known.
void MainWindow::BuildControls(HINSTANCE instance) {
    editor_ = std::make_unique<RichEditor>(window_, kEditorId, EditorPlace());
    AttachMenuBar();
    toolbar_ = std::make_unique<Toolbar>(window_, kToolbarId, instance);
    status_ = std::make_unique<StatusBar>(window_, kStatusBarId, instance);
    const RECT place = EditorPlace();
    ::MoveWindow(editor_->Handle(), place.left, place.top, place.right - place.left,
                 place.bottom - place.top, TRUE);
}

void MainWindow::AttachMenuBar() {
    RECT before{}, after{};
    ::GetClientRect(window_, &before);
    ::SetMenu(window_, BuildMenuBar());
    ::GetClientRect(window_, &after);
    menuBarHeight_ = (before.bottom - before.top) - (after.bottom - after.top);
}

RECT MainWindow::EditorPlace() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    const int menuBar = ::GetMenu(window_) ? menuBarHeight_ : 0;
    const int width = std::max<int>(client.right - kEditorSideMargins, 0);
    const int height = std::max<int>(client.bottom + menuBar - kEditorHeightLess, 0);
    return RECT{kEditorLeft, kEditorTop, kEditorLeft + width, kEditorTop + height};
}

bool MainWindow::TranslateAccelerator(MSG& message) const {
    if (message.hwnd != window_ && !::IsChild(window_, message.hwnd))
        return false;
    // The queue is read as UTF-16 (see the message loop); virtual keys are the same.
    return ::TranslateAcceleratorW(window_, accelerators_, &message) != 0;
}

void MainWindow::SetMenuChecked(CommandId id, bool checked) {
    ::CheckMenuItem(::GetMenu(window_), static_cast<UINT>(id),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MainWindow::IsMenuChecked(CommandId id) const {
    return (::GetMenuState(::GetMenu(window_), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AnswerForObject(window, message, wParam, lParam, &MainWindow::window_, &MainWindow::HandleMessage);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_SIZE:
        OnSize(wParam);
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SETFOCUS:
        if (editor_)
            ::SetFocus(editor_->Handle());
        return 0;
    case WM_CLOSE: // the shell decides: it may ask to save first, and the user may cancel
        if (shell_)
            shell_->OnCloseRequest();
        AfterEvent();
        return 0;
    default:
        break;
    }
    return ::DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (editor_ && reinterpret_cast<HWND>(lParam) == editor_->Handle()) {
        if (HIWORD(wParam) == EN_CHANGE)
            editor_->NoteChange();
    } else if (shell_) {
        shell_->Dispatch(static_cast<CommandId>(LOWORD(wParam)));
    }
    AfterEvent();
}

void MainWindow::OnTimer(WPARAM timer) {
    if (timer == kDropsTimer) {
        ::KillTimer(window_, kDropsTimer);
        editor_->AcceptDrops();
        return;
    }
    if (timer == kClockTimer && shell_)
        shell_->OnTimer();
    AfterEvent();
}

// Minimising is no size event: nothing is laid out for a window nobody sees.
void MainWindow::OnSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED || !status_)
        return;
    const RECT place = EditorPlace();
    ::MoveWindow(editor_->Handle(), place.left, place.top, place.right - place.left,
                 place.bottom - place.top, TRUE);
    toolbar_->Relayout();
    status_->Relayout();
    if (shell_)
        shell_->OnResize();
    AfterEvent();
}

void MainWindow::AfterEvent() {
    if (shell_)
        shell_->AfterEvent();
}

} // namespace trelvo::win32
