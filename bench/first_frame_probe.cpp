// Linked into the start-up benchmark's builds of a program (never into the shipped one):
// once the program's first frame is painted whole, writes the moment to standard output
// (nanoseconds on the steady clock) and ends the event loop with exit code 0, so start-up
// is timed without the work of ending the program.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class FirstFrameProbe : public QObject {
protected:
    // Any widget of the window may paint first: watch them all.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()) {
            painted_ = true;
            // Once this frame is painted whole, not in the middle of it.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
                std::printf("%lld\n", static_cast<long long>(now));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

// Runs as the application object is made, before the program builds any window.
void InstallFirstFrameProbe() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstFrameProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstFrameProbe)
