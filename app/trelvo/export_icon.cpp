// Writes the program's icon as PNG files for the desktop entry: export_icon SIZE FILE...
// with one size per file, e.g. "trelvo-icon-export 32 icons/trelvo-32.png".
#include "qt/editor/icons.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() % 2 != 0) {
        std::fputs("usage: trelvo-icon-export SIZE FILE [SIZE FILE]...\n", stderr);
        return 1;
    }
    for (qsizetype i = 0; i < arguments.size(); i += 2) {
        const int size = arguments[i].toInt();
        const QPixmap icon = trelvo::qt::RenderButtonImage(trelvo::ButtonImage::Icon1, size);
        if (size <= 0 || !icon.save(arguments[i + 1], "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[i + 1]));
            return 1;
        }
    }
    return 0;
}
