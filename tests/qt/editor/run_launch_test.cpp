// Run analysis and Launch viewer through the real window: an opened deck's results file
// is the same, byte for byte, as the command-line analysis writes, and the viewer is
// started on the document with the start folder as its working folder.
#include "tests/qt/editor/desktop_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace trelvo::qt::test {
namespace {

using enum CommandId;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString ResultsName(const QString& deck) {
    return deck.left(deck.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("-RZ.TXT");
}

class RunTest : public DesktopTest {
protected:
    void OpenDeck(const QString& path) {
        script_.Then(ChooseFile(path));
        Press(Qt::Key_O, Qt::ControlModifier);
        ASSERT_EQ(TheShell().Document().fileName, path.toStdString());
    }
};

TEST_F(RunTest, ResultsFileMatchesTheCommandLineAnalysis) {
    const QDir examples(QStringLiteral(TRELVO_SOURCE_DIR "/examples"));
    const QStringList decks = examples.entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_FALSE(decks.isEmpty());
    for (const QString& name : decks) {
        SCOPED_TRACE(name.toStdString());
        QTemporaryDir batchFolder, guiFolder;
        const QString batchDeck = batchFolder.filePath(name);
        const QString guiDeck = guiFolder.filePath(name);
        ASSERT_TRUE(QFile::copy(examples.filePath(name), batchDeck));
        ASSERT_TRUE(QFile::copy(examples.filePath(name), guiDeck));

        QProcess batch;
        batch.start(QStringLiteral(TRELVO_BATCH_PROGRAM), {batchDeck});
        ASSERT_TRUE(batch.waitForFinished(30000));
        ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
        const bool warned = !batch.readAllStandardError().isEmpty(); // an unstable truss

        OpenDeck(guiDeck);
        ASSERT_TRUE(Window().ButtonAction(RunAnalysis)->isEnabled());
        if (warned)
            script_.Then(PushBoxButton(QMessageBox::Ok));
        ClickButton(RunAnalysis);
        ASSERT_TRUE(script_.Done());

        const QByteArray expected = Contents(ResultsName(batchDeck));
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(Contents(ResultsName(guiDeck)), expected);
        EXPECT_EQ(TheShell().Document().fileName, ResultsName(guiDeck).toStdString());
        EXPECT_EQ(QByteArray::fromStdString(Editor().GetText()), expected);
    }
}

TEST_F(RunTest, AfterARunLaunchIsEnabledRunDisabledAndTheStatusBarEmpty) {
    QTemporaryDir folder;
    const QString deck = folder.filePath(QStringLiteral("help.txt"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRELVO_SOURCE_DIR "/examples/help-example.txt"), deck));
    OpenDeck(deck);
    ClickButton(RunAnalysis);
    EXPECT_FALSE(Window().ButtonAction(RunAnalysis)->isEnabled());
    EXPECT_TRUE(Window().ButtonAction(LaunchViewer)->isEnabled());
    EXPECT_TRUE(Window().StatusField(0)->text().isEmpty());
    EXPECT_TRUE(Window().StatusField(1)->text().isEmpty());
}

TEST_F(RunTest, DeckWithAnInputErrorIsStoredAloneUnderTheResultsName) {
    QTemporaryDir folder;
    const QString deck = folder.filePath(QStringLiteral("bad.txt"));
    // Two nodes announced, the second node line is not a node line.
    const QByteArray text = "BAD DECK\r\n2 1\r\n1 1 1 1 0 0 0 0 0 0\r\nx";
    ASSERT_TRUE(Write(deck, text));
    OpenDeck(deck);
    script_.Then(PushBoxButton(QMessageBox::Ok));
    ClickButton(RunAnalysis);
    EXPECT_EQ(script_.Titles().last(), QStringLiteral("Input Errors"));
    EXPECT_EQ(Contents(folder.filePath(QStringLiteral("bad-RZ.TXT"))), text);
    EXPECT_TRUE(Window().ButtonAction(LaunchViewer)->isEnabled());
}

// A stand-in viewer that writes its working folder and its arguments, one a line.
class LaunchTest : public RunTest {
protected:
    void SetUp() override {
        const QString besideProgram =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Vantrel37.exe"));
        if (QFileInfo::exists(besideProgram))
            GTEST_SKIP() << "a viewer beside the test program would be found first";
        ASSERT_TRUE(folder_.isValid());
        const QString viewer = folder_.filePath(QStringLiteral("Vantrel37.exe"));
        ASSERT_TRUE(Write(viewer, "#!/bin/sh\n"
                                  "record=\"$(dirname \"$0\")/launched\"\n"
                                  "{ pwd; echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } "
                                  "> \"$record.part\" && mv \"$record.part\" \"$record\"\n"));
        ASSERT_TRUE(QFile::setPermissions(viewer, QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner));
        previousFolder_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
        RunTest::SetUp();
    }

    void TearDown() override {
        if (!previousFolder_.isEmpty())
            QDir::setCurrent(previousFolder_);
        if (desktop_)
            RunTest::TearDown();
    }

    // The stand-in's record: working folder, argument count, arguments.
    QStringList Launched() {
        const QString record = folder_.filePath(QStringLiteral("launched"));
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(record); }, 10000))
            return {};
        return QString::fromLocal8Bit(Contents(record)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir folder_;
    QString previousFolder_;
};

TEST_F(LaunchTest, ViewerGetsTheDocumentAsOneArgumentInTheStartFolder) {
    const QString deck = folder_.filePath(QStringLiteral("my deck.txt"));
    ASSERT_TRUE(Write(deck, "DECK\r\n0 0"));
    OpenDeck(deck);
    ClickButton(LaunchViewer);
    const QStringList record = Launched();
    ASSERT_EQ(record.size(), 3) << record.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(QDir(record[0]).canonicalPath(), QDir(folder_.path()).canonicalPath());
    EXPECT_EQ(record[1], QStringLiteral("1"));
    EXPECT_EQ(record[2], deck);
}

TEST_F(LaunchTest, ViewerStartsWithoutArgumentsAfterACancelledOpen) {
    const QString deck = folder_.filePath(QStringLiteral("deck.txt"));
    ASSERT_TRUE(Write(deck, "DECK\r\n0 0"));
    OpenDeck(deck);
    script_.Then(Cancel());
    Press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(TheShell().Document().fileName.empty());
    ASSERT_TRUE(Window().ButtonAction(LaunchViewer)->isEnabled());
    ClickButton(LaunchViewer);
    const QStringList record = Launched();
    ASSERT_EQ(record.size(), 2);
    EXPECT_EQ(record[1], QStringLiteral("0"));
}

// F5 and F6 are the two buttons' keys, taken only while the buttons are enabled.
TEST_F(LaunchTest, F5RunsAndF6LaunchesWhileTheirButtonsAreEnabled) {
    const QString deck = folder_.filePath(QStringLiteral("deck.txt"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRELVO_SOURCE_DIR "/examples/help-example.txt"), deck));
    QSignalSpy runs(Window().ButtonAction(RunAnalysis), &QAction::triggered);
    QSignalSpy launches(Window().ButtonAction(LaunchViewer), &QAction::triggered);
    Press(Qt::Key_F5);
    Press(Qt::Key_F6);
    EXPECT_EQ(runs.count() + launches.count(), 0) << "both disabled at start-up";
    OpenDeck(deck);
    Press(Qt::Key_F5);
    Press(Qt::Key_F5); // disabled by the run
    EXPECT_EQ(runs.count(), 1);
    EXPECT_TRUE(QFileInfo::exists(ResultsName(deck)));
    Press(Qt::Key_F6);
    EXPECT_EQ(launches.count(), 1);
    const QStringList record = Launched();
    ASSERT_EQ(record.size(), 3);
    EXPECT_EQ(record[2], ResultsName(deck));
}

// The real viewer, built with the launch probe and found in the start folder, started on
// the results file of a Run; it records what it was given once it has drawn its first
// frame, and ends.
TEST_F(RunTest, LaunchStartsTheRealViewerOnTheResultsFile) {
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Vantrel37.exe"));
    if (QFileInfo::exists(besideProgram))
        GTEST_SKIP() << "a viewer beside the test program would be found first";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QFile::link(QStringLiteral(TRELVO_VIEWER_PROGRAM),
                            folder.filePath(QStringLiteral("Vantrel37.exe"))));
    const QString previousFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QString record = folder.filePath(QStringLiteral("first-frame"));
    qputenv("VANTREL_EXIT_AFTER_FIRST_FRAME", record.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");

    const QString deck = folder.filePath(QStringLiteral("bridge deck.txt"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRELVO_SOURCE_DIR "/examples/help-example.txt"), deck));
    OpenDeck(deck);
    ClickButton(RunAnalysis);
    ClickButton(LaunchViewer);
    const bool drawn = QTest::qWaitFor([&] { return QFileInfo::exists(record); }, 30000);
    qunsetenv("VANTREL_EXIT_AFTER_FIRST_FRAME");
    QDir::setCurrent(previousFolder);
    ASSERT_TRUE(drawn) << "the viewer did not draw a frame";
    QTest::qWait(100); // the line is written in one go; let it be closed
    const QStringList fields =
        QString::fromLocal8Bit(Contents(record)).trimmed().split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 2) << fields.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(fields[0], ResultsName(deck));
    EXPECT_EQ(QDir(fields[1]).canonicalPath(), QDir(folder.path()).canonicalPath());
}

} // namespace
} // namespace trelvo::qt::test
