// Linked into the launch tests' build of the viewer (never into the shipped one): when
// VANTREL_EXIT_AFTER_FIRST_FRAME names a file, the viewer writes into it, once its truss
// view has painted its first frame, one line holding each argument it received (an empty
// one when there is none) and its working folder, separated by tabs, and then quits with
// exit code 0.
#include "qt/viewer/qt_truss_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <utility>

namespace {

using trelvo::qt::TrussView;

class LaunchProbe : public QObject {
  public:
    LaunchProbe(QByteArray recordPath, QObject* parent)
        : QObject(parent), recordPath_(std::move(recordPath)) {}

  protected:
    // The view is made after the probe is installed: catch it as it is about to paint.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !watching_) {
            if (auto* view = qobject_cast<TrussView*>(watched)) {
                watching_ = true;
                connect(view, &TrussView::FirstFramePainted, this, &LaunchProbe::Record);
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Record() {
        QStringList fields = QCoreApplication::arguments().mid(1);
        if (fields.isEmpty())
            fields.append(QString());
        fields.append(QDir::currentPath());
        QFile record(QFile::decodeName(recordPath_));
        if (record.open(QIODevice::WriteOnly | QIODevice::Truncate))
            record.write(QFile::encodeName(fields.join(QLatin1Char('\t'))) + '\n');
        record.close();
        // Leave the paint event first.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }

    QByteArray recordPath_;
    bool watching_ = false;
};

// Runs as the application object is made, before the program builds its window.
void InstallLaunchProbe() {
    QByteArray recordPath = qgetenv("VANTREL_EXIT_AFTER_FIRST_FRAME");
    if (!recordPath.isEmpty())
        qApp->installEventFilter(new LaunchProbe(std::move(recordPath), qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallLaunchProbe)
