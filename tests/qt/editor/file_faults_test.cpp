// Failing disks and odd files through the real window: every failed save says so and leaves
// the previous file byte for byte; odd files to open cause no crash.
#include "tests/qt/editor/desktop_fixture.h"
#include "tests/files/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace trelvo::qt::test {
namespace {

const QByteArray kOldContent("EXAMPLE 2D TRUSS\r\n3 2\r\nthe user's only copy\r\n");

class FileFaultsTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // An answer to a message box that keeps its text and presses OK.
    static Answer ReadMessageInto(QString& message) {
        return [&message](QDialog& dialog) {
            message = dialog.property("text").toString();
            dialog.accept();
        };
    }

    // Save (no requester) or Save As onto `path`; the text of the message box that followed.
    QString SaveAndReadMessage(CommandId command, const QString& path = QString()) {
        QString message;
        if (command == CommandId::SaveAs)
            script_.Then(ChooseFile(path));
        script_.Then(ReadMessageInto(message));
        Window().MenuAction(command)->trigger();
        return message;
    }

    void OpenThroughRequester(const QString& path) {
        script_.Then(ChooseFile(path));
        Window().MenuAction(CommandId::Open)->trigger();
    }

    QTemporaryDir folder_;
};

// The requester only accepts names in folders that exist, but a folder can go away while
// its document is open; Save then writes without asking.
TEST_F(FileFaultsTest, SavingIntoAFolderThatIsGoneFailsWithTheMessage) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("project")));
    const QString path = Path("project/deck.txt");
    WriteBytes(path, kOldContent);
    OpenThroughRequester(path);
    ASSERT_TRUE(QDir(Path("project")).removeRecursively());
    Type("edited");
    EXPECT_EQ(SaveAndReadMessage(CommandId::Save), "File " + path + " creation failed");
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(ThePlatform().IsButtonEnabled(CommandId::RunAnalysis));
}

// The size limit is checked before anything is made, so a refused save leaves no trace.
TEST_F(FileFaultsTest, ATextOverTheLimitIsRefusedBeforeAnythingIsCreated) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("project")));
    const QString path = Path("project/big.txt");
    WriteBytes(path, QByteArray(64001, 'x'));
    OpenThroughRequester(path);
    ASSERT_TRUE(QDir(Path("project")).removeRecursively());
    EXPECT_EQ(SaveAndReadMessage(CommandId::Save), QStringLiteral("File is limited to 64000 chars"));
    EXPECT_FALSE(QFileInfo::exists(Path("project")));
}

TEST_F(FileFaultsTest, SavingOntoAReadOnlyFileLeavesItAsItWas) {
    const QString path = Path("protected.txt");
    WriteBytes(path, kOldContent);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    Type("replacement");
    EXPECT_EQ(SaveAndReadMessage(CommandId::SaveAs, path), "File " + path + " creation failed");
    EXPECT_EQ(Contents(path), kOldContent);
}

// A folder put where the document's file was: Save must not replace it.
TEST_F(FileFaultsTest, SavingOntoAPathThatIsNowAFolderFailsAndKeepsTheFolder) {
    const QString path = Path("deck.txt");
    WriteBytes(path, kOldContent);
    OpenThroughRequester(path);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("deck.txt")));
    WriteBytes(Path("deck.txt/keep.txt"), "kept");
    Type("edited");
    EXPECT_EQ(SaveAndReadMessage(CommandId::Save), "File " + path + " creation failed");
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(Contents(Path("deck.txt/keep.txt")), QByteArray("kept"));
}

TEST_F(FileFaultsTest, AWriteThatFailsHalfWayLeavesThePreviousFileByteForByte) {
    const QString path = Path("deck.txt");
    WriteBytes(path, kOldContent);
    OpenThroughRequester(path);
    Type("an edit that makes the text longer than before");
    script_.Then([](QDialog& dialog) { dialog.accept(); });
    {
        const testing::FileSizeLimit fullDisk(8);
        Window().MenuAction(CommandId::Save)->trigger();
    }
    EXPECT_EQ(script_.Titles().constLast(), QStringLiteral("Warning"));
    EXPECT_EQ(Contents(path), kOldContent);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{QStringLiteral("deck.txt")});
}

// The requester does not hand out folders, but the analysis reads the document's file
// from disk: a folder standing there is reported, not analysed.
TEST_F(FileFaultsTest, AnalysingAFolderReportsItCannotBeRead) {
    const QString path = Path("deck.txt");
    WriteBytes(path, kOldContent);
    OpenThroughRequester(path);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("deck.txt")));
    const std::string before = Editor().GetText();
    QString message;
    script_.Then(ReadMessageInto(message));
    script_.Then([](QDialog& dialog) { dialog.accept(); }); // whatever the save then says
    ClickButton(CommandId::RunAnalysis);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Error occured while reading Node/Element\n")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("could not be read")));
    EXPECT_EQ(Editor().GetText(), before) << "nothing is appended";
}

TEST_F(FileFaultsTest, OpeningAFileThatCannotBeReadLeavesAnEmptyDocument) {
    // A link to nothing: the name exists in the folder, but no file can be opened by it.
    const QString path = Path("dangling.txt");
    ASSERT_TRUE(QFile::link(Path("gone.txt"), path));
    OpenThroughRequester(path);
    EXPECT_EQ(Editor().GetText(), "");
    EXPECT_EQ(TheShell().Document().fileName, path.toStdString());
    EXPECT_FALSE(ThePlatform().IsButtonEnabled(CommandId::RunAnalysis));
}

TEST_F(FileFaultsTest, AFiftyMegabyteFileOpensWholeAndIsNotSavedOverTheLimit) {
    const QString path = Path("big.txt");
    QByteArray line("1 0 0 1 8.0 6.0 0.0 50.0 0.0 0.0 and some more text to fill\r\n");
    QByteArray bytes;
    bytes.reserve(50 * 1024 * 1024 + line.size());
    while (bytes.size() < 50 * 1024 * 1024)
        bytes += line;
    WriteBytes(path, bytes);
    OpenThroughRequester(path);
    EXPECT_EQ(Editor().TextLength(), static_cast<std::size_t>(bytes.size()) - 2)
        << "every line, without the last line end";
    EXPECT_TRUE(ThePlatform().IsButtonEnabled(CommandId::RunAnalysis));

    script_.Then([](QDialog& dialog) { dialog.accept(); });
    Window().MenuAction(CommandId::Save)->trigger();
    EXPECT_EQ(script_.Titles().constLast(), QStringLiteral("Warning"));
    EXPECT_EQ(Contents(path).size(), bytes.size()) << "the file on disk is untouched";
}

} // namespace
} // namespace trelvo::qt::test
