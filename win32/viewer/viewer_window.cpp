#include "win32/viewer/viewer_window.h"

#include "files/wide_names.h"
#include "viewer/results_file.h"
#include "win32/common/dpi.h"
#include "win32/common/file_requester.h"
#include "win32/common/message_box.h"
#include "win32/common/program_resource_ids.h"
#include "win32/common/window_class.h"
#include "win32/viewer/scene_print.h"
#include "win32/viewer/view_export.h"
#include "win32/viewer/viewer_commands.h"

#include <algorithm>

namespace trelvo::win32 {
namespace {

using viewer::ViewerCommandId;

constexpr int kViewId = 100;
constexpr int kToolbarId = 101;
constexpr int kStatusBarId = 102;
constexpr SIZE kFirstSize{1100, 720}; // at 96 dpi
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Posted by ShowMessageWhenUp: its message box is shown once the window is up, from the loop.
constexpr UINT kShowPendingMessage = WM_APP + 1;

SIZE WorkAreaSize() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return SIZE{work.right - work.left, work.bottom - work.top};
}

// Every child hears of a change of the system's colours: the common controls among them
// only learn of it so.
void TellChildren(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, message, wParam, lParam);
}

UINT IconOf(viewer::MessageKind kind) {
    switch (kind) {
    case viewer::MessageKind::Information: return MB_ICONINFORMATION;
    case viewer::MessageKind::Warning: return MB_ICONWARNING;
    default: return 0;
    }
}

} // namespace

SIZE FirstClientSize(UINT dpi, SIZE workArea) {
    return SIZE{std::min<LONG>(win32::Scaled(kFirstSize.cx, dpi), workArea.cx * 9 / 10),
                std::min<LONG>(win32::Scaled(kFirstSize.cy, dpi), workArea.cy * 9 / 10)};
}

ViewerWindow::ViewerWindow(HINSTANCE instance) : core_({*this, *this, files_, *this}) {
    const wchar_t* className = win32::RegisterWindowClass(instance, L"VantrelWindow", &WindowProc, TRELVO_PROGRAM_ICON);
    // Placed once its DPI is known (PlaceFirstTime).
    window_ = ::CreateWindowExW(0, className, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, BuildViewerMenuBar(), instance, this);
    if (!window_)
        return;
    PlaceFirstTime();
    accelerators_ = BuildViewerAccelerators();
    toolbar_ = std::make_unique<ViewerToolbar>(window_, instance, kToolbarId);
    view_ = std::make_unique<TrussView>(core_, window_, instance, kViewId);
    status_ = std::make_unique<ViewerStatusBar>(window_, instance, kStatusBarId);
    toolbar_->Magnification().OnEnter([this](const std::string& text) { core_.EnterMagnification(text); });
    toolbar_->Magnification().OnStep([this](int steps) { core_.StepMagnification(steps); });
    core_.Start();
    Layout();
}

// The first size is the one for the dpi of the monitor the window came up on, which is
// known only once it is there; its frame is measured there too.
void ViewerWindow::PlaceFirstTime() {
    const SIZE client = FirstClientSize(win32::WindowDpi(window_), WorkAreaSize());
    RECT outer{}, inner{};
    ::GetWindowRect(window_, &outer);
    ::GetClientRect(window_, &inner);
    const RECT place = win32::CentredRect(SIZE{client.cx + (outer.right - outer.left) - inner.right,
                                               client.cy + (outer.bottom - outer.top) - inner.bottom});
    ::SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a monitor of another dpi: the size Windows suggests for it, and everything in
// it measured anew.
void ViewerWindow::ChangeDpi(UINT dpi, const RECT& suggested) {
    view_->SetDpi(dpi);
    toolbar_->SetDpi(dpi);
    status_->SetDpi(dpi);
    toolbar_->Magnification().SetDpi(dpi);
    ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

ViewerWindow::~ViewerWindow() {
    if (toolbar_) { // the box's last focus loss reaches no core
        toolbar_->Magnification().OnEnter({});
        toolbar_->Magnification().OnStep({});
    }
    status_.reset();
    view_.reset();
    toolbar_.reset();
    if (::IsWindow(window_)) {
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
    if (accelerators_)
        ::DestroyAcceleratorTable(accelerators_);
}

void ViewerWindow::SetTitle(const std::string& title) {
    ::SetWindowTextW(window_, WideName(title).c_str());
}

void ViewerWindow::ShowStatus(const viewer::ViewerStatus& status) {
    status_->Show(status);
}

void ViewerWindow::SetCommandEnabled(ViewerCommandId id, bool enabled) {
    ::EnableMenuItem(::GetMenu(window_), static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    toolbar_->SetEnabled(id, enabled);
}

void ViewerWindow::SetCommandChecked(ViewerCommandId id, bool checked) {
    ::CheckMenuItem(::GetMenu(window_), static_cast<UINT>(id), checked ? MF_CHECKED : MF_UNCHECKED);
    toolbar_->SetChecked(id, checked);
}

void ViewerWindow::ShowMagnification(const std::string& text) {
    toolbar_->Magnification().SetText(text);
}

void ViewerWindow::SetMagnificationEnabled(bool enabled) {
    toolbar_->Magnification().SetEnabled(enabled);
}

void ViewerWindow::Redraw() {
    if (view_)
        ::InvalidateRect(view_->Handle(), nullptr, FALSE);
}

viewer::Point2 ViewerWindow::ViewSize() const {
    return view_->SceneSize();
}

void ViewerWindow::Close() {
    ::SendMessageW(window_, WM_CLOSE, 0, 0);
}

void ViewerWindow::ShowMessage(const std::string& title, const std::string& text, viewer::MessageKind kind) {
    win32::ShowMessageBox(window_, title, text, IconOf(kind));
}

void ViewerWindow::ShowMessageWhenUp(const std::string& title, const std::string& text) {
    pendingMessage_ = viewer::ViewerMessage{title, text};
    ::PostMessageW(window_, kShowPendingMessage, 0, 0);
}

void ViewerWindow::ShowPendingMessage() {
    if (!pendingMessage_)
        return;
    const viewer::ViewerMessage message = *pendingMessage_;
    pendingMessage_.reset();
    win32::ShowMessageBox(window_, message.title, message.text, 0);
}

std::string ViewerWindow::AskOpenFileName(const std::string& title, const std::string& start) {
    return win32::AskFileName(window_, win32::FileRequest::Open, title, start);
}

std::string ViewerWindow::AskSaveFileName(const std::string& title, const std::string& suggested,
                                          const viewer::FileKind& kind) {
    const std::wstring extension = WideName(kind.extension);
    std::wstring filter = WideName(kind.description + " (*." + kind.extension + ")");
    filter += L'\0';
    filter += L"*." + extension;
    filter += L'\0';
    win32::RequesterOptions options;
    options.filter = filter.c_str();
    options.defaultExtension = extension.c_str();
    options.confirmReplace = true;
    return win32::AskFileName(window_, win32::FileRequest::Save, title, suggested, options);
}

std::string ViewerWindow::EncodePng(const viewer::Scene& scene) {
    return EncodeScenePng(scene);
}

viewer::PrintOutcome ViewerWindow::Print(const viewer::Scene& scene, bool landscape, const std::string& jobName) {
    const HDC printer = AskPrinter(window_, landscape);
    if (!printer)
        return viewer::PrintOutcome::Cancelled;
    const bool printed = PrintScene(scene, printer, jobName);
    ::DeleteDC(printer);
    return printed ? viewer::PrintOutcome::Printed : viewer::PrintOutcome::Failed;
}

bool ViewerWindow::TranslateAccelerator(MSG& message) const {
    if (message.hwnd != window_ && !::IsChild(window_, message.hwnd))
        return false;
    const bool typing = message.hwnd == toolbar_->Magnification().Edit() &&
                        (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
                        ::GetKeyState(VK_CONTROL) >= 0 && message.wParam != VK_F1;
    return !typing && ::TranslateAcceleratorW(window_, accelerators_, &message) != 0;
}

void ViewerWindow::Layout() {
    RECT client{};
    ::GetClientRect(window_, &client);
    toolbar_->Relayout();
    status_->Relayout();
    const int top = toolbar_->Height();
    const int bottom = client.bottom - status_->Height();
    ::MoveWindow(view_->Handle(), 0, top, client.right, std::max(bottom - top, 0), TRUE);
}

LRESULT CALLBACK ViewerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return win32::AnswerForObject(window, message, wParam, lParam, &ViewerWindow::window_, &ViewerWindow::HandleMessage);
}

LRESULT ViewerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) // a menu item, a key or a toolbar button
            core_.Execute(static_cast<ViewerCommandId>(LOWORD(wParam)));
        return 0;
    case WM_NOTIFY:
        if (toolbar_ && toolbar_->HandleNotify(lParam))
            return 0;
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && status_)
            Layout();
        return 0;
    case WM_SETFOCUS:
        if (view_)
            ::SetFocus(view_->Handle());
        return 0;
    case kShowPendingMessage:
        ShowPendingMessage();
        return 0;
    case WM_DPICHANGED:
        if (view_)
            ChangeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
        TellChildren(window_, message, wParam, lParam);
        [[fallthrough]];
    case WM_SETTINGCHANGE: // High Contrast turned on or off
        if (view_)
            view_->UseScreenColours();
        break;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace trelvo::win32
