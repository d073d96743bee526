#include "qt/editor/qt_file_requester.h"

#include <QDir>
#include <QFileDialog>

#include <algorithm>

namespace trelvo::qt {

RequesterStart SplitDefaultText(const QString& defaultText) {
    const qsizetype cut = std::max(defaultText.lastIndexOf(QLatin1Char('/')),
                                   defaultText.lastIndexOf(QLatin1Char('\\')));
    if (cut < 0)
        return {QString(), defaultText};
    QString folder = defaultText.left(cut);
    if (folder.isEmpty())
        folder = QStringLiteral("/");
    return {folder, defaultText.mid(cut + 1)};
}

QString AskFileName(QWidget* parent, FileRequest request, const QString& title,
                    const QString& defaultText, const ModalHook& hook) {
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // "*" rather than "*.*", which would hide names without a dot.
    dialog.setNameFilter(QStringLiteral("All files (*)"));
    dialog.setFileMode(QFileDialog::AnyFile);
    if (request == FileRequest::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Open"));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    const RequesterStart start = SplitDefaultText(defaultText);
    if (!start.folder.isEmpty() && QDir(start.folder).exists())
        dialog.setDirectory(start.folder);
    if (!start.fileName.isEmpty())
        dialog.selectFile(start.fileName);
    if (RunModal(dialog, hook) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace trelvo::qt
