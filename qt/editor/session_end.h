#pragma once

#include "editor/platform.h"
#include "editor/shell.h"

#include <QObject>
#include <QSessionManager>

#include <cstdint>
#include <optional>

namespace trelvo::qt {

// The program's part when the desktop session ends (sign-out, restart): the question about
// unsaved text, asked only where the session manager lets the program talk to the user,
// and a session end that never restarts the program in the next session.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    // `window` ends the program when the session's end has been allowed.
    SessionEnd(Shell& shell, const EditorControl& editor, WindowPort& window);

    // The session manager wants unsaved data committed. Without unsaved text nothing is
    // asked; with it, the question is asked if the manager permits any interaction (urgent
    // interaction too: the text would be lost), and Cancel cancels the session's end.
    // Without permission nothing may be asked, and so nothing is cancelled: the program
    // goes on, and the session manager's quit, if it comes, asks as a close does.
    // `Manager` is QSessionManager, or a stand-in with the same five calls.
    template <class Manager> void CommitData(Manager& manager);

protected:
    // The session manager's quit ends the program at once when its end was allowed and
    // the text has not changed since, so nothing is asked twice; otherwise it is a close
    // request of the program.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Shell& shell_;
    const EditorControl& editor_;
    WindowPort& window_;
    // The editor's revision when the user last let the session end.
    std::optional<std::uint64_t> allowedRevision_;
};

template <class Manager> void SessionEnd::CommitData(Manager& manager) {
    manager.setRestartHint(QSessionManager::RestartNever);
    allowedRevision_.reset();
    if (shell_.HasUnsavedText()) {
        if (!manager.allowsInteraction() && !manager.allowsErrorInteraction())
            return;
        if (!shell_.OnSessionEnding()) {
            manager.cancel(); // the interaction ends with the cancel
            return;
        }
        manager.release();
    }
    allowedRevision_ = editor_.Revision();
}

} // namespace trelvo::qt
