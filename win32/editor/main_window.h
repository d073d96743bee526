#pragma once

#include "editor/command_id.h"
#include "win32/editor/rich_editor.h"
#include "win32/common/status_bar_control.h"
#include "win32/common/toolbar_control.h"
#include "win32/common/windows_api.h"

#include <memory>

namespace trelvo {
class Shell;
}

namespace trelvo::win32 {

// The program's window: menu bar, toolbar, editor and status bar, all built from the
// command table, with the accelerators, the editor's right-click menu and the status
// bar's clock timer. Every command, timer tick, resize, edit, drop, close request and the
// session's end go to the shell once it is attached. Its measures are the 96-dpi figures
// scaled to the window's DPI, laid out again when a move changes it.
class MainWindow {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Null when the window could not be made (or the editor control is missing, which was
    // said); the program then ends at once.
    HWND Handle() const { return window_; }
    RichEditor& Editor() const { return *editor_; }
    ToolbarControl& Tools() const { return *toolbar_; }
    StatusBarControl& Status() const { return *status_; }

    // Starts delivering events to the shell; Detach stops it before the shell goes.
    void Attach(Shell& shell) { shell_ = &shell; }
    void Detach() { shell_ = nullptr; }

    // Turns a key of the window's accelerators into its command; keys pressed while
    // another window is active are not the window's.
    bool TranslateAccelerator(MSG& message) const;
    void SetMenuChecked(CommandId id, bool checked);
    bool IsMenuChecked(CommandId id) const;
    // Both fields of the status bar empty, at 120 and 450 pixels (at 96 dpi) wide.
    void ResetStatusBar();
    // Where the editor stands: (5, 30), as wide as the client area less 10, and as high as
    // the client area with one menu bar less 77, the same after every resize; at 96 dpi.
    RECT EditorPlace() const;
    UINT Dpi() const { return dpi_; }

    static constexpr UINT_PTR kClockTimer = 1;
    static constexpr UINT_PTR kDropsTimer = 2; // once, to take drops after the first frame
    static constexpr UINT kClockInterval = 4500; // milliseconds

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool BuildControls(HINSTANCE instance);
    void AttachMenuBar();
    void Layout();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnSize(WPARAM kind);
    void OnTimer(WPARAM timer);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnContextMenu(LPARAM screenPoint);
    LRESULT OnQueryEndSession();
    void AcceptDrops();
    void OpenDroppedFile(const std::string& path);
    void AfterEvent();

    HWND window_ = nullptr;
    std::unique_ptr<RichEditor> editor_;
    std::unique_ptr<ToolbarControl> toolbar_;
    std::unique_ptr<StatusBarControl> status_;
    HACCEL accelerators_ = nullptr;
    class TextDropTarget* dropTarget_ = nullptr; // files dropped on the window's frame and bars
    int menuBarHeight_ = 0;
    UINT dpi_ = 96;
    Shell* shell_ = nullptr;
};

} // namespace trelvo::win32
