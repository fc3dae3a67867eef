// Whole files against the real file system: what a reader refuses, and what a writer leaves.
#include "platform/win/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win/folder_lock.h"
#include "platform/win/profile.h"

namespace fs = std::filesystem;

namespace {

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(TESSRA_TEST_OUT) / "whole_file" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    std::string Read(const char* name) const {
        std::string text;
        return ReadWholeFile(Path(name), text) == 0 ? text : "unreadable";
    }

    fs::path dir_;
};

struct ReadCase {
    const char* name;
    const char* path;   // in the test's folder unless absolute
    int error;
};
class WholeFileReadTest : public WholeFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(WholeFileReadTest, RefusesWhatIsNoText) {
    std::ofstream(dir_ / "large") << "x";
    fs::resize_file(dir_ / "large", kWholeFileLimit + 1);
    fs::create_directory(dir_ / "folder");
    const std::string path = GetParam().path[0] == '/' ? GetParam().path : Path(GetParam().path);
    std::string text = "untouched";
    EXPECT_EQ(ReadWholeFile(path, text), GetParam().error);
    EXPECT_EQ(text, "untouched");
}

INSTANTIATE_TEST_SUITE_P(Paths, WholeFileReadTest, ::testing::Values(
    ReadCase{"Missing", "missing", ENOENT}, ReadCase{"Folder", "folder", EISDIR},
    ReadCase{"LargerThanAnyTextOfOurs", "large", EFBIG},
    ReadCase{"EndlessDevice", "/dev/zero", EFBIG}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WholeFileTest, ReplacingKeepsPermissionsAndLeavesNoTemporary) {
    ASSERT_EQ(ReplaceWholeFile(Path("a.ini"), "one"), 0);
    fs::permissions(dir_ / "a.ini", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(ReplaceWholeFile(Path("a.ini"), "two"), 0);
    EXPECT_EQ(Read("a.ini"), "two");
    EXPECT_EQ(fs::status(dir_ / "a.ini").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    EXPECT_EQ(ReplaceWholeFile(Path("nofolder/a.ini"), "x"), ENOENT);
}

TEST_F(WholeFileTest, ReplacingManyWritesEachWholeAndKeepsPermissions) {
    ASSERT_EQ(ReplaceWholeFile(Path("b.mod"), "old b"), 0);
    fs::permissions(dir_ / "b.mod", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(ReplaceWholeFiles({{Path("a.mod"), "a"}, {Path("b.mod"), "new b"}, {Path("c.mod"), ""}}), 0);
    EXPECT_EQ(Read("a.mod"), "a");
    EXPECT_EQ(Read("b.mod"), "new b");
    EXPECT_EQ(Read("c.mod"), "");
    EXPECT_EQ(fs::status(dir_ / "b.mod").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
    EXPECT_EQ(ReplaceWholeFiles({}), 0);
}

// A text that cannot be written, even the last, leaves every file as it was and no temporary.
TEST_F(WholeFileTest, ReplacingManyReplacesNoneWhenOneCannotBeWritten) {
    ASSERT_EQ(ReplaceWholeFile(Path("a.mod"), "old a"), 0);
    fs::create_directory(dir_ / "sub");
    size_t failed = 0;
    EXPECT_EQ(ReplaceWholeFiles({{Path("a.mod"), "new a"}, {Path("sub/b.mod"), "b"}, {Path("nofolder/c.mod"), "c"}},
                                &failed),
              ENOENT);
    EXPECT_EQ(failed, 2u) << "the file that could not be written";
    EXPECT_EQ(Read("a.mod"), "old a");
    EXPECT_TRUE(fs::is_empty(dir_ / "sub"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

// Once every text is on disk the files take their names in order; a name that cannot be taken
// (a folder stands there) is told by its index, and leaves no temporary behind.
TEST_F(WholeFileTest, ReplacingManyTellsWhichNameCouldNotBeTaken) {
    fs::create_directory(dir_ / "b.mod");
    size_t failed = 0;
    EXPECT_EQ(ReplaceWholeFiles({{Path("a.mod"), "a"}, {Path("b.mod"), "b"}, {Path("c.mod"), "c"}}, &failed), EISDIR);
    EXPECT_EQ(failed, 1u);
    EXPECT_EQ(Read("a.mod"), "a");
    EXPECT_TRUE(fs::is_directory(dir_ / "b.mod"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2) << "a.mod and the folder";
}

TEST_F(WholeFileTest, CreatingLeavesAFileThatIsThere) {
    ASSERT_EQ(CreateWholeFile(Path("a.ini"), "first"), 0);
    EXPECT_EQ(CreateWholeFile(Path("a.ini"), "second"), EEXIST);
    EXPECT_EQ(Read("a.ini"), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(WholeFileTest, TheFolderLockNestsWithinAProcess) {
    const FolderLock outer(Path("a.ini"));
    ASSERT_TRUE(outer.held());
    // A write takes the lock itself; inside the caller's it must not wait for it.
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", Path("a.ini").c_str()));
    const FolderLock inner(Path("b.ini"));
    EXPECT_TRUE(inner.held());
}

// Every process adds keys of its own, each by a read-modify-write of the whole file.
TEST_F(WholeFileTest, WritersSideBySideLoseNoChange) {
    constexpr int kWriters = 4, kKeys = 25;
    for (int w = 0; w < kWriters; ++w) {
        if (::fork() != 0) continue;
        for (int k = 0; k < kKeys; ++k) {
            const std::string key = std::to_string(w) + "." + std::to_string(k);
            if (!WritePrivateProfileStringA("S", key.c_str(), "1", Path("a.ini").c_str())) ::_exit(1);
        }
        ::_exit(0);
    }
    for (int w = 0; w < kWriters; ++w) {
        int status = 0;
        ::wait(&status);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int w = 0; w < kWriters; ++w)
        for (int k = 0; k < kKeys; ++k) {
            const std::string key = std::to_string(w) + "." + std::to_string(k);
            EXPECT_EQ(GetPrivateProfileIntA("S", key.c_str(), 0, Path("a.ini").c_str()), 1u) << key;
        }
}

}  // namespace
