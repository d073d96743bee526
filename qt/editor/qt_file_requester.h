#pragma once

#include "qt/editor/modal_runner.h"

#include <QString>

class QWidget;

namespace trelvo::qt {

enum class FileRequest { Open, Save };

// The requester's start: the default text's part after its last folder separator is the
// preset file name, the part before it the initial folder.
struct RequesterStart {
    QString folder;
    QString fileName;
};
RequesterStart SplitDefaultText(const QString& defaultText);

// Shows the open or save requester over all files; the chosen full path, or empty when
// cancelled. The open requester accepts names of files that do not exist; the save
// requester replaces an existing file without asking.
QString AskFileName(QWidget* parent, FileRequest request, const QString& title,
                    const QString& defaultText, const ModalHook& hook);

} // namespace trelvo::qt
