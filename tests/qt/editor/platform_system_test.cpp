// The platform's program search, folders and clock, and what the editor lets in.
#include "tests/qt/editor/desktop_fixture.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace trelvo::qt::test {
namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class PlatformSystemTest : public DesktopTest {
protected:
    std::string Path(const char* name) { return folder_.filePath(QString::fromLatin1(name)).toStdString(); }
    QTemporaryDir folder_;
};

TEST_F(PlatformSystemTest, TextWithACharacterOneByteCannotHoldIsNotSaved) {
    Type("first");
    Editor().insertPlainText(QStringLiteral("\n\u20AC")); // pasted: a second line with a euro sign
    QString warning;
    script_.Then(ChooseFile(QString::fromStdString(Path("deck.txt"))));
    script_.Then([&warning](QDialog& dialog) {
        warning = dialog.property("text").toString();
        dialog.accept();
    });
    Window().MenuAction(CommandId::SaveAs)->trigger();
    EXPECT_EQ(script_.Titles(), (QStringList{"File/SaveAs", "Warning"}));
    EXPECT_TRUE(warning.startsWith(QStringLiteral("Line 2 "))) << warning.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("deck.txt"))));
}

// The editor never takes such a character in: a paste holding one inserts nothing and
// names it in a warning.
TEST_F(PlatformSystemTest, APasteHoldingACharacterOneByteCannotHoldInsertsNothing) {
    Type("deck");
    QGuiApplication::clipboard()->setText(QStringLiteral("x\u20ACy"));
    QString warning;
    script_.Then([&warning](QDialog& dialog) {
        warning = dialog.property("text").toString();
        dialog.accept();
    });
    ClickButton(CommandId::Paste);
    EXPECT_EQ(script_.Titles(), QStringList{"Warning"});
    EXPECT_TRUE(warning.contains(QStringLiteral("U+20AC"))) << warning.toStdString();
    EXPECT_EQ(Editor().GetText(), "deck");
}

TEST_F(PlatformSystemTest, FindViewerLooksInTheCurrentFolderThenOnThePath) {
    if (QFileInfo::exists(QDir(QCoreApplication::applicationDirPath()).filePath("Vantrel37.exe")))
        GTEST_SKIP() << "a viewer beside the test program is found first";
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    EXPECT_EQ(ThePlatform().FindViewer("Vantrel37.exe"), "");

    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("bin")));
    const QString onPath = folder_.filePath(QStringLiteral("bin/Vantrel37.exe"));
    ASSERT_TRUE(Write(onPath, "#!/bin/sh\n"));
    QFile::setPermissions(onPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder_.filePath(QStringLiteral("bin"))) + ":" + path);
    EXPECT_EQ(ThePlatform().FindViewer("Vantrel37.exe"), onPath.toStdString());

    const QString here = folder_.filePath(QStringLiteral("Vantrel37.exe"));
    ASSERT_TRUE(Write(here, "#!/bin/sh\n"));
    EXPECT_EQ(ThePlatform().FindViewer("Vantrel37.exe"), onPath.toStdString())
        << "a file that cannot run is no program";
    QFile::setPermissions(here, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ThePlatform().FindViewer("Vantrel37.exe"), here.toStdString());

    qputenv("PATH", path);
    QDir::setCurrent(previous);
}

TEST_F(PlatformSystemTest, CurrentFolderClockAndDisplay) {
    EXPECT_EQ(ThePlatform().CurrentFolder(), QDir::currentPath().toStdString());
    EXPECT_EQ(TheShell().StartFolder(), QDir::currentPath().toStdString());
    const QDateTime before = QDateTime::currentDateTime();
    const LocalTime now = ThePlatform().Now();
    EXPECT_EQ(now.year, before.date().year());
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.hour, 0);
    EXPECT_LE(now.hour, 23);
    EXPECT_GT(ThePlatform().DisplayDpiY(), 0);
}

} // namespace
} // namespace trelvo::qt::test
