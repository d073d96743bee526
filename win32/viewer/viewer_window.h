#pragma once

#include "viewer/scene_builder.h"
#include "win32/viewer/truss_view.h"
#include "win32/viewer/viewer_commands.h"
#include "viewer/viewer_model.h"
#include "win32/viewer/viewer_status_bar.h"
#include "win32/viewer/viewer_toolbar.h"
#include "win32/common/windows_api.h"

#include <memory>
#include <optional>
#include <string>

namespace trelvo::win32 {

// The window's first client area: 1100 by 720 at 96 dpi, as large again in proportion at
// other dpi, and at most 90 % of the work area's width and height.
SIZE FirstClientSize(UINT dpi, SIZE workArea);

// The viewer's main window: the truss view with its menus, toolbar and status bar, as the
// Qt viewer has them.
class ViewerWindow {
public:
    explicit ViewerWindow(HINSTANCE instance);
    ~ViewerWindow();
    ViewerWindow(const ViewerWindow&) = delete;
    ViewerWindow& operator=(const ViewerWindow&) = delete;

    // Null when the window could not be made.
    HWND Handle() const { return window_; }

    // Reads a deck or results file and shows it; on failure shows why (the message box
    // once the window is up) and returns false.
    bool OpenFile(const std::string& path);

    // As its menu item or key does.
    void Execute(ViewerCommand id);
    bool IsEnabled(ViewerCommand id) const;
    bool IsChecked(ViewerCommand id) const;

    TrussView& View() { return *view_; }
    MagnificationBox& Magnification() { return toolbar_->Magnification(); }
    const ViewerStatusBar& Status() const { return *status_; }

    // Turns a key of the window's into its command. Keys typed into the magnification box
    // stay text there, unless Ctrl makes them a command.
    bool TranslateAccelerator(MSG& message) const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void PlaceFirstTime();
    void ChangeDpi(UINT dpi, const RECT& suggested);
    void SetModelCommandsEnabled(bool enabled);
    void Toggle(const ViewerCommandInfo& command);
    void ShowPendingError();
    std::string SuggestedFile(const char* extension) const;

    void ChooseAndOpen();
    void ChooseAndExport(ViewerCommand format);
    void ChooseAndPrint();
    void UseInitialMagnification();

    HWND window_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::unique_ptr<TrussView> view_;
    std::unique_ptr<ViewerToolbar> toolbar_;
    std::unique_ptr<ViewerStatusBar> status_;
    std::string documentPath_;
    double initialMagnification_ = 1.0;
    std::optional<viewer::ViewerMessage> pendingError_;
};

} // namespace trelvo::win32
