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

// A file nobody may write is the user's way of protecting it: it is not replaced, even by
// a user (such as root) whom the system would let write it.
bool IsProtected(const QFileInfo& target) {
    constexpr auto kWriteBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return target.exists() && (!target.isWritable() || !(target.permissions() & kWriteBits));
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
    if (path.isEmpty() || target.isDir() || IsProtected(target))
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
