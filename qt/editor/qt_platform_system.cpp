// The system side of the platform: files, processes, folders, clock and display.
#include "qt/editor/qt_platform.h"

#include "qt/common/qt_conversions.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "qt/editor/screen_geometry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace trelvo::qt {
namespace {

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

std::optional<std::string> QtPlatform::ReadFile(const std::string& path) {
    return ReadWholeFile(path);
}

bool QtPlatform::WriteFile(const std::string& path, const std::string& bytes) {
    return ReplaceFileAtomically(path, bytes);
}

bool QtPlatform::StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& workingFolder) {
    QStringList list;
    for (const std::string& argument : arguments)
        list.append(qt::FromLocal(argument));
    return QProcess::startDetached(qt::FromLocal(program), list, qt::FromLocal(workingFolder));
}

// Beside the running program first, then in the current folder, then on the search path.
std::string QtPlatform::FindViewer(const std::string& programFileName) {
    const QString name = qt::FromLocal(programFileName);
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QString candidate = QDir(folder).absoluteFilePath(name);
        if (IsProgram(candidate))
            return qt::ToLocal(candidate);
    }
    return qt::ToLocal(QStandardPaths::findExecutable(name));
}

std::string QtPlatform::CurrentFolder() { return qt::ToLocal(QDir::currentPath()); }

LocalTime QtPlatform::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return LocalTime{now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                     now.time().minute()};
}

int QtPlatform::DisplayDpiY() { return qt::DisplayDpiY(); }

} // namespace trelvo::qt
