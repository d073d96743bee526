// Vantrel, the results viewer: one argument, the document file (a deck or a results file).
#include "viewer/command_line.h"
#include "qt/viewer/qt_viewer_window.h"

#include <QApplication>
#include <QFile>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    const std::string document = trelvo::viewer::DocumentArgument({argv, argv + argc});

    trelvo::qt::ViewerWindow window;
    if (!document.empty())
        window.OpenFile(QFile::decodeName(QByteArray::fromStdString(document)));
    window.show();
    return QApplication::exec();
}
