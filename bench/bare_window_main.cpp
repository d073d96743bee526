// The baseline of the start-up measurement: a bare Qt program that shows an empty main
// window holding a plain text editor. The benchmark links the same first-frame probe into
// it as into its build of trelvo.
#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QPlainTextEdit);
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
