#include "first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace trelvo::qt {
namespace {

class FirstFrameWatcher : public QObject {
public:
    // Any widget of the window may paint first: watch them all.
    explicit FirstFrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !painted_ && widget && widget->window() == &window_) {
            painted_ = true;
            // Once this frame is painted whole, not in the middle of it: the moment goes to
            // standard output on the clock the measuring program reads, so that start-up is
            // timed without the work of ending the program.
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
    QWidget& window_;
    bool painted_ = false;
};

} // namespace

void QuitAfterFirstFrame(QWidget& window) { new FirstFrameWatcher(window); }

} // namespace trelvo::qt
