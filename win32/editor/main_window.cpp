#include "win32/editor/main_window.h"

#include "editor/command_table.h"
#include "win32/editor/commands_ui.h"
#include "win32/common/dpi.h"
#include "editor/help_texts.h"
#include "win32/common/message_box.h"
#include "win32/editor/resource_ids.h"
#include "editor/shell.h"
#include "win32/editor/text_drop_target.h"
#include "win32/common/window_class.h"

#include <algorithm>

namespace trelvo::win32 {
namespace {

constexpr int kEditorId = 100;
constexpr int kToolbarId = 101;
constexpr int kStatusBarId = 102;
// Measures at 96 dpi.
constexpr SIZE kClientSize{640, 480};
constexpr int kEditorLeft = 5;
constexpr int kEditorTop = 30; // below the toolbar
constexpr int kEditorSideMargins = 10;
constexpr int kEditorHeightLess = 77; // toolbar above, status bar below
constexpr int kStatusFieldEdges[] = {120, 120 + 450};
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

// Why the session waits, where Windows lists the programs that keep it from ending.
constexpr wchar_t kUnsavedReason[] = L"The deck has unsaved changes.";

void Place(HWND control, const RECT& place) {
    ::MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    const wchar_t* className = RegisterWindowClass(instance, L"TrelvoMainWindow", &WindowProc, TRELVO_PROGRAM_ICON);
    window_ = CreateCentredWindow(instance, className, kWindowTitle, kClientSize, kStyle, this);
    if (!window_)
        return;
    dpi_ = WindowDpi(window_);
    accelerators_ = BuildAccelerators();
    ::SetTimer(window_, kClockTimer, kClockInterval, nullptr);
    if (!BuildControls(instance)) {
        ShowMessageBox(nullptr, kWarningTitle,
                       "The rich edit control (riched20.dll) could not be loaded, so Trelvo has no "
                       "editor to show. Repairing or reinstalling Windows brings it back.");
        ::DestroyWindow(window_);
        window_ = nullptr;
        return;
    }
    // A timer's message comes only once the queue is empty: after the first frame.
    ::SetTimer(window_, kDropsTimer, USER_TIMER_MINIMUM, nullptr);
}

MainWindow::~MainWindow() {
    shell_ = nullptr;
    if (dropTarget_) {
        ::RevokeDragDrop(window_);
        dropTarget_->Release();
        ::OleUninitialize();
    }
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
bool MainWindow::BuildControls(HINSTANCE) {
    editor_ = std::make_unique<RichEditor>(window_, kEditorId, EditorPlace());
    if (!editor_->Handle())
        return false;
    AttachMenuBar();
    toolbar_ = std::make_unique<ToolbarControl>(window_, kToolbarId, EditorToolButtons(), false,
                                                OwnStrip{TRELVO_TOOLBAR_PICTURES_16, TRELVO_TOOLBAR_PICTURES_24});
    status_ = std::make_unique<StatusBarControl>(window_, kStatusBarId);
    ResetStatusBar();
    Place(editor_->Handle(), EditorPlace());
    return true;
}

// The height a one-line menu bar takes from the client area, measured as it is attached.
void MainWindow::AttachMenuBar() {
    HMENU menu = ::GetMenu(window_);
    if (menu)
        ::SetMenu(window_, nullptr);
    RECT before{}, after{};
    ::GetClientRect(window_, &before);
    ::SetMenu(window_, menu ? menu : BuildMenuBar());
    ::GetClientRect(window_, &after);
    menuBarHeight_ = (before.bottom - before.top) - (after.bottom - after.top);
}

RECT MainWindow::EditorPlace() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    const int menuBar = ::GetMenu(window_) ? menuBarHeight_ : 0;
    const int width = std::max<int>(client.right - Scaled(kEditorSideMargins, dpi_), 0);
    const int height = std::max<int>(client.bottom + menuBar - Scaled(kEditorHeightLess, dpi_), 0);
    const int left = Scaled(kEditorLeft, dpi_), top = Scaled(kEditorTop, dpi_);
    return RECT{left, top, left + width, top + height};
}

void MainWindow::ResetStatusBar() {
    std::vector<int> edges;
    for (const int edge : kStatusFieldEdges)
        edges.push_back(Scaled(edge, dpi_));
    status_->SetParts(edges);
    for (int field = 0; field < static_cast<int>(edges.size()); ++field)
        status_->SetText(field, "");
}

bool MainWindow::TranslateAccelerator(MSG& message) const {
    if (message.hwnd != window_ && !::IsChild(window_, message.hwnd))
        return false;
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
    case WM_NOTIFY:
        if (toolbar_ && toolbar_->AnswerTooltip(lParam))
            return 0;
        break;
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
    case WM_CONTEXTMENU:
        if (editor_ && reinterpret_cast<HWND>(wParam) == editor_->Handle()) {
            OnContextMenu(lParam);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        // The common controls hear of new colours only from their parent.
        for (HWND bar : {toolbar_ ? toolbar_->Handle() : nullptr, status_ ? status_->Handle() : nullptr})
            if (bar)
                ::SendMessageW(bar, message, wParam, lParam);
        if (editor_)
            editor_->OnColoursChanged();
        break;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_CLOSE: // the shell decides: it may ask to save first, and the user may cancel
        if (shell_)
            shell_->OnCloseRequest();
        AfterEvent();
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
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
        AcceptDrops();
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
    Layout();
    if (shell_)
        shell_->OnResize();
    AfterEvent();
}

void MainWindow::Layout() {
    Place(editor_->Handle(), EditorPlace());
    toolbar_->Relayout();
    status_->Relayout();
}

// The system suggests the place that keeps the window as large, to the eye, on the new
// monitor; the menu bar, bars, editor and font follow the new scale.
void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!status_)
        return;
    AttachMenuBar();
    toolbar_->SetDpi(dpi);
    status_->SetDpi(dpi);
    editor_->SetDpi(dpi);
    Layout();
    if (shell_)
        shell_->OnResize();
    AfterEvent();
}

// Each item takes the path its key takes, so the shell sees every edit.
void MainWindow::OnContextMenu(LPARAM screenPoint) {
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (screenPoint == -1) { // from the keyboard: at the caret
        ::GetCaretPos(&at);
        ::ClientToScreen(editor_->Handle(), &at);
    }
    const RichEditor::EditingState state = editor_->Editing();
    const HMENU menu = BuildContextMenu(state);
    const auto chosen = static_cast<UINT>(::TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
    ::DestroyMenu(menu);
    if (chosen != 0 && shell_)
        shell_->Dispatch(static_cast<CommandId>(chosen));
    AfterEvent();
}

// Signing out, a restart or an update asks first: with unsaved text the user may save,
// discard or keep the session from ending; Windows shows the reason while the question
// waits.
LRESULT MainWindow::OnQueryEndSession() {
    if (!shell_)
        return TRUE;
    ::ShutdownBlockReasonCreate(window_, kUnsavedReason);
    const bool mayEnd = shell_->OnSessionEnding();
    ::ShutdownBlockReasonDestroy(window_);
    AfterEvent();
    return mayEnd ? TRUE : FALSE;
}

// Drag and drop needs OLE on this thread; without it the window simply takes no drops.
void MainWindow::AcceptDrops() {
    const auto open = [this](const std::string& path) { OpenDroppedFile(path); };
    editor_->AcceptDrops(open);
    if (dropTarget_ || FAILED(::OleInitialize(nullptr)))
        return;
    dropTarget_ = new TextDropTarget({}, open);
    if (FAILED(::RegisterDragDrop(window_, dropTarget_))) {
        dropTarget_->Release();
        dropTarget_ = nullptr;
        ::OleUninitialize();
    }
}

void MainWindow::OpenDroppedFile(const std::string& path) {
    ::SetForegroundWindow(window_);
    if (shell_)
        shell_->OnFileDropped(path);
    AfterEvent();
}

void MainWindow::AfterEvent() {
    if (shell_)
        shell_->AfterEvent();
}

} // namespace trelvo::win32
