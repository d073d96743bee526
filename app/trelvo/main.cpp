// The desktop program: the windows, the platform and the shell, then the event loop.
#include "desktop.h"
#include "first_frame.h"
#include "icons.h"
#include "quick_start_style.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(new trelvo::qt::QuickStartStyle);
    QApplication::setApplicationName(QStringLiteral("Trelvo"));
    QApplication::setDesktopFileName(QStringLiteral("trelvo"));
    QApplication::setWindowIcon(trelvo::qt::ApplicationIcon());
    // The shell ends the program (Exit, Escape, a close request it accepts), not the last
    // window that happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    trelvo::Desktop desktop;
    desktop.Show();
    if (qEnvironmentVariableIsSet("TRELVO_EXIT_AFTER_FIRST_FRAME"))
        trelvo::qt::QuitAfterFirstFrame(desktop.Window());
    QApplication::exec();
    return 0;
}
