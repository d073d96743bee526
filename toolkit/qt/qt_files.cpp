#include "qt_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace trelvo::qt {
namespace {

bool writeFailsHalfWay = false;

bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    if (writeFailsHalfWay) {
        file.write(bytes.constData(), bytes.size() / 2);
        return false;
    }
    return file.write(bytes) == bytes.size();
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool ReplaceFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir() || (target.exists() && !target.isWritable()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!WriteAll(file, bytes)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void SetWriteFailsHalfWay(bool fails) { writeFailsHalfWay = fails; }

} // namespace trelvo::qt
