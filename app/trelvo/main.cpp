// The desktop program: the windows, the platform and the shell, then the event loop.
// One optional argument names a document to open at start-up; further ones are ignored.
#include "qt/editor/desktop.h"
#include "qt/editor/icons.h"
#include "qt/editor/quick_start_style.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv); // takes Qt's own options out of argv
    QApplication::setStyle(new trelvo::qt::QuickStartStyle);
    QApplication::setApplicationName(QStringLiteral("Trelvo"));
    QApplication::setDesktopFileName(QStringLiteral("trelvo"));
    QApplication::setWindowIcon(trelvo::qt::ApplicationIcon());
    // The shell ends the program (Exit, Escape, a close request it accepts), not the last
    // window that happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    trelvo::qt::Desktop desktop(argc > 1 ? argv[1] : "");
    desktop.Show();
    QApplication::exec();
    return 0;
}
