#include "first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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
            // After this paint has finished, not in the middle of it.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
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
