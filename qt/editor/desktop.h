#pragma once

#include "qt/editor/qt_help_window.h"
#include "qt/editor/qt_main_window.h"
#include "qt/editor/qt_platform.h"
#include "qt/editor/session_end.h"
#include "editor/shell.h"

namespace trelvo::qt {

// The whole program put together in start-up order: the hidden help window, the main
// window with its editor, the platform over both, and the shell behind them, wired and
// started, with the program's part in the end of the desktop session. Show() puts the main
// window on the screen.
class Desktop {
public:
    // `documentName`, when given, is opened at start-up as Open would open it.
    explicit Desktop(const std::string& documentName = {});
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    void Show();

    HelpWindow& Help() { return help_; }
    MainWindow& Window() { return window_; }
    QtPlatform& Platform() { return platform_; }
    trelvo::Shell& Shell() { return shell_; }
    qt::SessionEnd& SessionEnd() { return sessionEnd_; }

private:
    HelpWindow help_;
    MainWindow window_;
    QtPlatform platform_;
    trelvo::Shell shell_;
    qt::SessionEnd sessionEnd_;
};

} // namespace trelvo::qt
