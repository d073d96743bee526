#include "qt/editor/session_end.h"

#include <QGuiApplication>

namespace trelvo::qt {

// Qt's session manager restarts a program in the next session unless told otherwise; this
// one starts when the user starts it. The hint is given at every request: a session manager
// may ask for the data alone, without the state.
SessionEnd::SessionEnd(Shell& shell, const EditorControl& editor, WindowPort& window)
    : shell_(shell), editor_(editor), window_(window) {
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) { CommitData(manager); }, Qt::DirectConnection);
    connect(qApp, &QGuiApplication::saveStateRequest, this,
            [](QSessionManager& manager) { manager.setRestartHint(QSessionManager::RestartNever); },
            Qt::DirectConnection);
    qApp->installEventFilter(this);
}

// Qt would answer the session manager's quit by closing every window: the main window's
// close would ask a second time, and the help window, which never closes, would refuse
// the quit. So the quit is a close request of the program, not asked about again when the
// user let the session end and the text has not changed since.
bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched != qApp || event->type() != QEvent::Quit)
        return false;
    if (allowedRevision_ == editor_.Revision()) {
        window_.RequestQuit();
    } else {
        shell_.OnCloseRequest();
        shell_.AfterEvent();
    }
    return true;
}

} // namespace trelvo::qt
