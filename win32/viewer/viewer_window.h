#pragma once

#include "viewer/viewer_core.h"
#include "viewer/viewer_ports.h"
#include "win32/common/windows_api.h"
#include "win32/viewer/truss_view.h"
#include "win32/viewer/viewer_status_bar.h"
#include "win32/viewer/viewer_toolbar.h"

#include <memory>
#include <optional>
#include <string>

namespace trelvo::win32 {

// The window's first client area: 1100 by 720 at 96 dpi, as large again in proportion at
// other dpi, and at most 90 % of the work area's width and height.
SIZE FirstClientSize(UINT dpi, SIZE workArea);

// The viewer's main window: the truss view with its menus, toolbar and status bar, built
// from the viewer's command table; what they do is the viewer core's. The window is the
// core's window, dialogs and pictures; the disk is its files.
class ViewerWindow : public viewer::ViewerWindowPort,
                     public viewer::ViewerDialogPort,
                     public viewer::ViewerPicturePort {
public:
    explicit ViewerWindow(HINSTANCE instance);
    ~ViewerWindow() override;
    ViewerWindow(const ViewerWindow&) = delete;
    ViewerWindow& operator=(const ViewerWindow&) = delete;

    // Null when the window could not be made.
    HWND Handle() const { return window_; }

    // Reads a deck or results file and shows it; on failure shows why (the message box
    // once the window is up) and returns false.
    bool OpenFile(const std::string& path) { return core_.OpenFile(path); }

    viewer::ViewerCore& Core() { return core_; }
    TrussView& View() { return *view_; }
    ViewerToolbar& Tools() { return *toolbar_; }
    const ViewerStatusBar& Status() const { return *status_; }

    // Turns a key of the window's into its command. Keys typed into the magnification box
    // stay text there, unless Ctrl makes them a command.
    bool TranslateAccelerator(MSG& message) const;

    // The window port.
    void SetTitle(const std::string& title) override;
    void ShowStatus(const viewer::ViewerStatus& status) override;
    void SetCommandEnabled(viewer::ViewerCommandId id, bool enabled) override;
    void SetCommandChecked(viewer::ViewerCommandId id, bool checked) override;
    void ShowMagnification(const std::string& text) override;
    void SetMagnificationEnabled(bool enabled) override;
    void Redraw() override;
    viewer::Point2 ViewSize() const override;
    void Close() override;

    // The dialog port.
    void ShowMessage(const std::string& title, const std::string& text, viewer::MessageKind kind) override;
    void ShowMessageWhenUp(const std::string& title, const std::string& text) override;
    std::string AskOpenFileName(const std::string& title, const std::string& start) override;
    std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                const viewer::FileKind& kind) override;

    // The picture port.
    std::string EncodePng(const viewer::Scene& scene) override;
    viewer::PrintOutcome Print(const viewer::Scene& scene, bool landscape, const std::string& jobName) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void PlaceFirstTime();
    void ChangeDpi(UINT dpi, const RECT& suggested);
    void ShowPendingMessage();

    viewer::DiskFiles files_;
    viewer::ViewerCore core_;
    HWND window_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::unique_ptr<TrussView> view_;
    std::unique_ptr<ViewerToolbar> toolbar_;
    std::unique_ptr<ViewerStatusBar> status_;
    std::optional<viewer::ViewerMessage> pendingMessage_;
};

} // namespace trelvo::win32
