// Whole-file reads and atomic replacing writes, on real files in a temporary folder.
#include "files/read_file.h"
#include "files/replace_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include "tests/files/file_size_limit.h"
#endif

namespace trelvo {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("trelvo-files-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        // Windows deletes no read-only file, so each is made writable first.
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder_))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    // Names as the programs hold them: UTF-8 on Windows, the file system's bytes elsewhere,
    // which the path's UTF-8 forms carry unchanged both ways.
    static fs::path Native(const std::string& name) {
        return std::u8string(name.begin(), name.end());
    }
    std::string Path(const std::string& name) const {
        const std::u8string path = (folder_ / Native(name)).u8string();
        return std::string(path.begin(), path.end());
    }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(Native(path), std::ios::binary) << bytes;
    }
    static std::string Contents(const std::string& path) {
        std::ifstream file(Native(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

const std::string kEveryKindOfByte("a\0b\r\nc\rd\xff", 9);

TEST_F(FilesTest, ReadGivesEveryByteOfARegularFileAndNothingElse) {
    Write(Path("deck.txt"), kEveryKindOfByte);
    EXPECT_EQ(ReadWholeFile(Path("deck.txt")), kEveryKindOfByte);
    EXPECT_EQ(ReadWholeFile(Path("empty.txt")), std::nullopt) << "missing";
    Write(Path("empty.txt"), "");
    EXPECT_EQ(ReadWholeFile(Path("empty.txt")), "");
    EXPECT_EQ(ReadWholeFile(folder_.string()), std::nullopt) << "a folder";
    EXPECT_EQ(ReadWholeFile(""), std::nullopt);
}

TEST_F(FilesTest, ReplaceWritesANewFileOrTheWholeOfAnOldOne) {
    EXPECT_TRUE(ReplaceFileAtomically(Path("new.txt"), kEveryKindOfByte));
    EXPECT_EQ(Contents(Path("new.txt")), kEveryKindOfByte);
    Write(Path("old.txt"), "a much longer old content");
    EXPECT_TRUE(ReplaceFileAtomically(Path("old.txt"), "new"));
    EXPECT_EQ(Contents(Path("old.txt")), "new");
    EXPECT_EQ(EntryCount(), 2u) << "no temporary file is left behind";
}

// A Greek letter beside a Western one: no ANSI code page holds both, so on Windows only the
// wide calls find the folder and the file.
TEST_F(FilesTest, ANameOutsideTheCodePageIsReadAndReplaced) {
    const std::string name = "\xCE\x94-br\xC3\xBC" "cke";
    fs::create_directory(Native(Path(name)));
    const std::string deck = Path(name + "/" + name + ".txt");
    Write(deck, "old");
    EXPECT_EQ(ReadWholeFile(deck), "old");
    EXPECT_TRUE(ReplaceFileAtomically(deck, kEveryKindOfByte));
    EXPECT_EQ(Contents(deck), kEveryKindOfByte);
    EXPECT_TRUE(ReplaceFileAtomically(Path(name + "/new.txt"), "new"));
    EXPECT_EQ(ReadWholeFile(Path(name + "/new.txt")), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(Native(Path(name))), {}), 2);
}

#ifdef _WIN32
// Windows has no permission bits to keep: its counterpart is the file's attributes.
TEST_F(FilesTest, AReplacedFileKeepsItsAttributes) {
    Write(Path("deck.txt"), "old");
    ASSERT_TRUE(::SetFileAttributesA(Path("deck.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(ReplaceFileAtomically(Path("deck.txt"), "new"));
    EXPECT_EQ(Contents(Path("deck.txt")), "new");
    EXPECT_EQ(::GetFileAttributesA(Path("deck.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN,
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}
#else
TEST_F(FilesTest, AReplacedFileKeepsItsPermissions) {
    Write(Path("deck.txt"), "old");
    fs::permissions(Path("deck.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceFileAtomically(Path("deck.txt"), "new"));
    EXPECT_EQ(fs::status(Path("deck.txt")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

// Each refusal leaves what was there: a file nobody may write (even though root could; on
// Windows, a read-only one), a folder, and a folder that does not exist.
TEST_F(FilesTest, AFailedReplaceLeavesWhatWasThere) {
    Write(Path("protected.txt"), "the user's only copy");
    fs::permissions(Path("protected.txt"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(ReplaceFileAtomically(Path("protected.txt"), "replacement"));
    EXPECT_EQ(Contents(Path("protected.txt")), "the user's only copy");

    fs::create_directory(Path("folder"));
    EXPECT_FALSE(ReplaceFileAtomically(Path("folder"), "text"));
    EXPECT_TRUE(fs::is_directory(Path("folder")));

    EXPECT_FALSE(ReplaceFileAtomically(Path("no/such/folder.txt"), "text"));
    EXPECT_EQ(EntryCount(), 2u) << "no temporary file is left behind";
}

// A write that fails half-way (a full disk) leaves the old file and no temporary one.
TEST_F(FilesTest, AWriteThatFailsHalfWayLeavesWhatWasThere) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no per-process file size limit to fill the disk with, and "
                    "Wine cannot give a test a volume of its own";
#else
    Write(Path("deck.txt"), "old content");
    {
        const testing::FileSizeLimit fullDisk(4);
        EXPECT_FALSE(ReplaceFileAtomically(Path("deck.txt"), "new content that is longer"));
    }
    EXPECT_EQ(Contents(Path("deck.txt")), "old content");
    EXPECT_EQ(EntryCount(), 1u) << "no temporary file is left behind";
#endif
}

} // namespace
} // namespace trelvo
