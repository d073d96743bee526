#include "win32/viewer/viewer_window.h"

#include "win32/common/dpi.h"
#include "viewer/equilibrium_text.h"
#include "win32/common/file_requester.h"
#include "viewer/magnification.h"
#include "win32/common/message_box.h"
#include "viewer/results_file.h"
#include "win32/viewer/scene_print.h"
#include "win32/viewer/view_export.h"
#include "viewer/viewer_texts.h"
#include "files/wide_names.h"
#include "win32/common/program_resource_ids.h"
#include "win32/common/window_class.h"

#include <algorithm>

namespace trelvo::win32 {
namespace {

constexpr int kViewId = 100;
constexpr int kToolbarId = 101;
constexpr int kStatusBarId = 102;
constexpr SIZE kFirstSize{1100, 720}; // at 96 dpi
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Posted by OpenFile: its message box is shown once the window is up, from the loop.
constexpr UINT kShowPendingError = WM_APP + 1;

SIZE WorkAreaSize() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return SIZE{work.right - work.left, work.bottom - work.top};
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
}

// Every child hears of a change of the system's colours: the common controls among them
// only learn of it so.
void TellChildren(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, message, wParam, lParam);
}

} // namespace

SIZE FirstClientSize(UINT dpi, SIZE workArea) {
    return SIZE{std::min<LONG>(win32::Scaled(kFirstSize.cx, dpi), workArea.cx * 9 / 10),
                std::min<LONG>(win32::Scaled(kFirstSize.cy, dpi), workArea.cy * 9 / 10)};
}

ViewerWindow::ViewerWindow(HINSTANCE instance) {
    const wchar_t* className = win32::RegisterWindowClass(instance, L"VantrelWindow", &WindowProc, TRELVO_PROGRAM_ICON);
    // Placed once its DPI is known (PlaceFirstTime).
    window_ = ::CreateWindowExW(0, className, WideName(viewer::kViewerTitle).c_str(), kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, BuildViewerMenuBar(),
                                instance, this);
    if (!window_)
        return;
    PlaceFirstTime();
    accelerators_ = BuildViewerAccelerators();
    toolbar_ = std::make_unique<ViewerToolbar>(window_, instance, kToolbarId);
    view_ = std::make_unique<TrussView>(window_, instance, kViewId);
    status_ = std::make_unique<ViewerStatusBar>(window_, instance, kStatusBarId);
    view_->OnHoverText([this](const std::string& text) { status_->SetHover(text); });
    Magnification().OnChange([this](double value) { view_->SetMagnification(value); });
    for (const ViewerCommandInfo& command : ViewerCommands())
        if (command.option) {
            const bool on = view_->Option(command.option);
            ::CheckMenuItem(::GetMenu(window_), static_cast<UINT>(command.id), on ? MF_CHECKED : MF_UNCHECKED);
            toolbar_->SetChecked(command.id, on);
        }
    SetModelCommandsEnabled(false);
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
    Magnification().SetDpi(dpi);
    ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

ViewerWindow::~ViewerWindow() {
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

bool ViewerWindow::OpenFile(const std::string& path) {
    documentPath_ = path;
    ::SetWindowTextW(window_, WideName(viewer::WindowTitle(FileNameOf(path))).c_str());
    viewer::LoadResult result = viewer::LoadResultsFile(path);
    if (!result.model) {
        view_->ShowMessage(result.error->title + "\r\n\r\n" + result.error->text);
        status_->SetSummary("");
        status_->SetEquilibrium("");
        SetModelCommandsEnabled(false);
        pendingError_ = *result.error;
        ::PostMessageW(window_, kShowPendingError, 0, 0);
        return false;
    }
    initialMagnification_ = viewer::InitialMagnification(*result.model);
    status_->SetSummary(viewer::SummaryText(*result.model));
    status_->SetEquilibrium(viewer::EquilibriumText(*result.model));
    view_->SetModel(std::move(*result.model), initialMagnification_);
    Magnification().SetValue(initialMagnification_);
    SetModelCommandsEnabled(true);
    return true;
}

void ViewerWindow::ShowPendingError() {
    if (!pendingError_)
        return;
    const viewer::ViewerMessage message = *pendingError_;
    pendingError_.reset();
    win32::ShowMessageBox(window_, message.title, message.text, 0);
}

void ViewerWindow::SetModelCommandsEnabled(bool enabled) {
    for (const ViewerCommandInfo& command : ViewerCommands())
        if (command.needsModel) {
            ::EnableMenuItem(::GetMenu(window_), static_cast<UINT>(command.id),
                             MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
            toolbar_->SetEnabled(command.id, enabled);
        }
    Magnification().SetEnabled(enabled);
}

bool ViewerWindow::IsEnabled(ViewerCommand id) const {
    return (::GetMenuState(::GetMenu(window_), static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) == 0;
}

bool ViewerWindow::IsChecked(ViewerCommand id) const {
    return (::GetMenuState(::GetMenu(window_), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void ViewerWindow::Execute(ViewerCommand id) {
    const ViewerCommandInfo& command = ViewerCommandOf(id);
    if (command.needsModel && !IsEnabled(id))
        return;
    if (command.option) {
        Toggle(command);
        return;
    }
    switch (id) {
    case ViewerCommand::Open: ChooseAndOpen(); break;
    case ViewerCommand::ExportPng:
    case ViewerCommand::ExportSvg: ChooseAndExport(id); break;
    case ViewerCommand::Print: ChooseAndPrint(); break;
    case ViewerCommand::Quit: ::SendMessageW(window_, WM_CLOSE, 0, 0); break;
    case ViewerCommand::ResetView: view_->ResetView(); break;
    case ViewerCommand::AutoMagnification: UseInitialMagnification(); break;
    case ViewerCommand::Controls:
        win32::ShowMessageBox(window_, viewer::kControlsTitle, viewer::kControlsText, MB_ICONINFORMATION);
        break;
    case ViewerCommand::About: win32::ShowMessageBox(window_, viewer::kAboutTitle, viewer::kAboutText, 0); break;
    default: break;
    }
}

// The menu item, the toolbar button and the view stay of one mind.
void ViewerWindow::Toggle(const ViewerCommandInfo& command) {
    const bool on = !view_->Option(command.option);
    view_->SetOption(command.option, on);
    ::CheckMenuItem(::GetMenu(window_), static_cast<UINT>(command.id), on ? MF_CHECKED : MF_UNCHECKED);
    toolbar_->SetChecked(command.id, on);
}

std::string ViewerWindow::SuggestedFile(const char* extension) const {
    const std::size_t name = documentPath_.find_last_of("\\/") + 1;
    const std::size_t dot = documentPath_.find_last_of('.');
    const std::size_t end = dot != std::string::npos && dot >= name ? dot : documentPath_.size();
    return documentPath_.substr(0, end) + "." + extension;
}

void ViewerWindow::ChooseAndOpen() {
    const std::string path =
        win32::AskFileName(window_, win32::FileRequest::Open, "Open Deck or Results File", documentPath_);
    if (!path.empty())
        OpenFile(path);
}

void ViewerWindow::ChooseAndExport(ViewerCommand format) {
    const bool png = format == ViewerCommand::ExportPng;
    const char* extension = png ? "png" : "svg";
    win32::RequesterOptions options;
    options.filter = png ? L"PNG images (*.png)\0*.png\0" : L"SVG drawings (*.svg)\0*.svg\0";
    options.defaultExtension = png ? L"png" : L"svg";
    options.confirmReplace = true;
    const std::string path =
        win32::AskFileName(window_, win32::FileRequest::Save, "Export View", SuggestedFile(extension), options);
    if (path.empty())
        return;
    const viewer::Scene scene = view_->ExportScene();
    if (!(png ? ExportPng(scene, path) : ExportSvg(scene, path)))
        win32::ShowMessageBox(window_, viewer::kViewerTitle, "The file " + path + " could not be written.", MB_ICONWARNING);
}

void ViewerWindow::ChooseAndPrint() {
    const SIZE size = view_->ClientSize();
    const HDC printer = AskPrinter(window_, size.cx > size.cy);
    if (!printer)
        return;
    const bool printed = PrintScene(view_->ExportScene(), printer, "Vantrel");
    ::DeleteDC(printer);
    if (!printed)
        win32::ShowMessageBox(window_, viewer::kViewerTitle, "The view could not be printed.", MB_ICONWARNING);
}

void ViewerWindow::UseInitialMagnification() {
    Magnification().SetValue(initialMagnification_);
    view_->SetMagnification(initialMagnification_);
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
            Execute(static_cast<ViewerCommand>(LOWORD(wParam)));
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
    case kShowPendingError:
        ShowPendingError();
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
