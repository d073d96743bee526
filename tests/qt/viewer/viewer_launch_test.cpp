// The viewer started as trelvo's Launch viewer command starts it: one argument, the
// document file, in the start folder. The tests start its build with the launch probe,
// which, given VANTREL_EXIT_AFTER_FIRST_FRAME, records what it was given once its first
// frame is painted and quits; the shipped viewer ignores that variable.
#include "tests/viewer/results_texts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace trelvo::viewer::testing;

struct Started {
    int exitCode = -1;
    bool finished = false;
    QByteArray record;
};

Started StartViewer(const QStringList& arguments, const QString& workingFolder,
                    const QString& record) {
    QProcess viewer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VANTREL_EXIT_AFTER_FIRST_FRAME", record);
    viewer.setProcessEnvironment(environment);
    viewer.setWorkingDirectory(workingFolder);
    viewer.start(VANTREL_PROBE_PROGRAM, arguments);
    Started started;
    started.finished = viewer.waitForFinished(30000);
    if (!started.finished)
        viewer.kill();
    started.exitCode = viewer.exitCode();
    QFile file(record);
    if (file.open(QIODevice::ReadOnly))
        started.record = file.readAll();
    return started;
}

QString Write(const QTemporaryDir& folder, const QString& name, const std::string& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

TEST(ViewerLaunch, IsBuiltUnderTheNameTrelvoStarts) {
    EXPECT_TRUE(QString(VANTREL_PROGRAM).endsWith("/Vantrel37.exe"));
    EXPECT_TRUE(QFile::exists(VANTREL_PROGRAM));
}

TEST(ViewerLaunch, ShippedViewerHasNoSwitchToQuitAfterItsFirstFrame) {
    QTemporaryDir folder;
    const QString record = folder.filePath("record.txt");
    QProcess viewer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VANTREL_EXIT_AFTER_FIRST_FRAME", record);
    viewer.setProcessEnvironment(environment);
    viewer.start(VANTREL_PROGRAM, {});
    ASSERT_TRUE(viewer.waitForStarted(30000));
    // A viewer that honoured the variable would record and quit on its first frame, well
    // within this.
    EXPECT_FALSE(viewer.waitForFinished(3000));
    viewer.kill();
    viewer.waitForFinished(30000);
    EXPECT_FALSE(QFile::exists(record));
}

TEST(ViewerLaunch, RecordsTheResultsFileAndTheStartFolderAfterItsFirstFrame) {
    QTemporaryDir folder;
    const QString results =
        Write(folder, "help-example-RZ.TXT", AnalysedDocument(ExampleDeck("help-example.txt")));
    const QString start = QDir(folder.path()).canonicalPath();
    const Started viewer = StartViewer({results}, start, folder.filePath("record.txt"));
    ASSERT_TRUE(viewer.finished);
    EXPECT_EQ(viewer.exitCode, 0);
    EXPECT_EQ(viewer.record, QFile::encodeName(results) + '\t' + QFile::encodeName(start) + '\n');
}

TEST(ViewerLaunch, TakesAPathWithBlanksAsOneArgument) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("my decks");
    const QString results = Write(folder, "my decks/bar a-RZ.TXT", kBarDeck);
    const Started viewer = StartViewer({results}, folder.path(), folder.filePath("record.txt"));
    ASSERT_TRUE(viewer.finished);
    EXPECT_EQ(viewer.exitCode, 0);
    EXPECT_TRUE(viewer.record.startsWith(QFile::encodeName(results) + '\t'));
}

TEST(ViewerLaunch, PaintsAndQuitsAlsoForAFileItCannotShow) {
    QTemporaryDir folder;
    const QString garbage =
        Write(folder, "garbage.bin", std::string("\x7f\x45\x4c\x46\x02\x01\x01\0\0\0", 10));
    const Started viewer = StartViewer({garbage}, folder.path(), folder.filePath("record.txt"));
    ASSERT_TRUE(viewer.finished);
    EXPECT_EQ(viewer.exitCode, 0);
    EXPECT_TRUE(viewer.record.startsWith(QFile::encodeName(garbage) + '\t'));
}

TEST(ViewerLaunch, StartsEmptyWithoutAnArgument) {
    QTemporaryDir folder;
    const Started viewer = StartViewer({}, folder.path(), folder.filePath("record.txt"));
    ASSERT_TRUE(viewer.finished);
    EXPECT_EQ(viewer.exitCode, 0);
    EXPECT_TRUE(viewer.record.startsWith("\t"));
}

} // namespace
