// Entry point of every test of a Qt front end: the widgets need a QApplication, and the
// tests run without a display on the offscreen platform unless another one is asked for.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says what it cannot do (raise a window, pass on size hints)
// every time it is asked; nothing to see there.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(QuietHandler);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
