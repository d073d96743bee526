// The baseline of the start-up measurement: a bare Qt program that shows an empty main
// window holding a plain text editor, and ends after its first frame like trelvo does
// when TRELVO_EXIT_AFTER_FIRST_FRAME is set.
#include "first_frame.h"

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QPlainTextEdit);
    window.resize(640, 480);
    window.show();
    trelvo::qt::QuitAfterFirstFrame(window);
    return QApplication::exec();
}
