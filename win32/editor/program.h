#pragma once

#include "win32/editor/help_window.h"
#include "win32/editor/main_window.h"
#include "editor/shell.h"
#include "win32/editor/win32_platform.h"

#include <string>

namespace trelvo::win32 {

// The whole program put together in start-up order: the hidden help window, the main
// window with its editor, the platform over both, and the shell behind them, wired and
// started.
class Program {
public:
    // `documentName` (UTF-8), when given, is opened at start-up as Open would open it.
    explicit Program(const std::string& documentName = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Puts the main window on the screen with the focus in the editor.
    void Show(int showCommand);
    // The event loop, until the shell asks to quit or the window is gone; the exit code
    // (1 when there was no window to show).
    int Run();
    // One message taken from the queue: a typed character no byte of a document stands for
    // is dropped, the main window's keys become its commands, the rest is dispatched, and
    // the step that follows every event comes last.
    void HandleMessage(MSG& message);
    bool QuitRequested() const;

    MainWindow& Window() { return window_; }
    HelpWindow& Help() { return help_; }
    Win32Platform& Platform() { return platform_; }
    trelvo::Shell& Shell() { return shell_; }
    RichEditor& Editor() { return window_.Editor(); }

private:
    HelpWindow help_;
    MainWindow window_;
    Win32Platform platform_;
    trelvo::Shell shell_;
};

} // namespace trelvo::win32
