// Whole-file reads and atomic replacing writes, on real files in a temporary folder.
#include "file_size_limit.h"
#include "read_file.h"
#include "replace_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Contents(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
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

TEST_F(FilesTest, AReplacedFileKeepsItsPermissions) {
    Write(Path("deck.txt"), "old");
    fs::permissions(Path("deck.txt"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceFileAtomically(Path("deck.txt"), "new"));
    EXPECT_EQ(fs::status(Path("deck.txt")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Each refusal leaves what was there: a file nobody may write (even though root could), a
// folder, a folder that does not exist, and a write that fails half-way (a full disk).
TEST_F(FilesTest, AFailedReplaceLeavesWhatWasThere) {
    Write(Path("protected.txt"), "the user's only copy");
    fs::permissions(Path("protected.txt"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(ReplaceFileAtomically(Path("protected.txt"), "replacement"));
    EXPECT_EQ(Contents(Path("protected.txt")), "the user's only copy");

    fs::create_directory(Path("folder"));
    EXPECT_FALSE(ReplaceFileAtomically(Path("folder"), "text"));
    EXPECT_TRUE(fs::is_directory(Path("folder")));

    EXPECT_FALSE(ReplaceFileAtomically(Path("no/such/folder.txt"), "text"));

    Write(Path("deck.txt"), "old content");
    {
        const testing::FileSizeLimit fullDisk(4);
        EXPECT_FALSE(ReplaceFileAtomically(Path("deck.txt"), "new content that is longer"));
    }
    EXPECT_EQ(Contents(Path("deck.txt")), "old content");
    EXPECT_EQ(EntryCount(), 3u) << "no temporary file is left behind";
}

} // namespace
} // namespace trelvo
