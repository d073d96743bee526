#include "qt/editor/modal_runner.h"

#include <QDialog>
#include <QTimer>

namespace trelvo::qt {

int RunModal(QDialog& dialog, const ModalHook& hook) {
    dialog.setWindowModality(Qt::ApplicationModal);
    if (hook)
        QTimer::singleShot(0, &dialog, [&dialog, hook] { hook(dialog); });
    return dialog.exec();
}

} // namespace trelvo::qt
