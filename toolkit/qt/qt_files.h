#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace trelvo::qt {

// The whole content of a file; nothing for a folder or a file that cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// Replaces the file's content through a temporary file beside it, renamed over the target
// only once everything is written: a failed write leaves the old file as it was. False
// for a folder, a file that may not be written, or any failure on the way.
bool ReplaceFile(const QString& path, const QByteArray& bytes);

// Test seam: while set, every ReplaceFile writes the first half of its bytes and then
// fails as a full disk would.
void SetWriteFailsHalfWay(bool fails);

} // namespace trelvo::qt
