#include "platform/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "platform/profile.h"
#include "tests/support/temp_dir.h"

namespace {

using testsupport::ReadTextFile;
using testsupport::TempDir;
using testsupport::WriteTextFile;

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A writer still at work holds a lock on its temporary file.
class HeldTemporary {
public:
    explicit HeldTemporary(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_CREAT, 0600))
    {
        EXPECT_EQ(::flock(fd_, LOCK_EX), 0);
    }
    ~HeldTemporary() { ::close(fd_); }
    HeldTemporary(const HeldTemporary&) = delete;
    HeldTemporary& operator=(const HeldTemporary&) = delete;

private:
    int fd_;
};

}  // namespace

TEST(AtomicFile, WritesTheWholeContentAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.File("SendFrame.cfg");
    ASSERT_TRUE(platform::WriteFileAtomically(path, "[A]\nK=1\n"));
    ASSERT_TRUE(platform::WriteFileAtomically(path, "[A]\nK=2\n"));
    EXPECT_EQ(ReadTextFile(path), "[A]\nK=2\n");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"SendFrame.cfg"});
}

// What a killed writer leaves is removed by the next write of the same file; the
// files of a live writer, of another file and names that only look alike stay.
TEST(AtomicFile, TheNextWriteRemovesOnlyStaleTemporariesOfItsOwnFile)
{
    TempDir dir;
    const std::string path = dir.File("setup.cfg");
    WriteTextFile(path, "old");
    const std::vector<std::string> stale = {"setup.cfg.tmp-XXXXXX", "setup.cfg.tmp-a1B2c3"};
    const std::vector<std::string> kept = {"other.cfg.tmp-a1B2c3", "setup.cfg.tmp-short",
                                           "setup.cfg.tmp-toolong1", "setup.cfg.bak-a1B2c3",
                                           "setup.cfg.tmp-live00"};
    for (const auto& name : stale) WriteTextFile(dir.File(name), "half a settings file");
    for (const auto& name : kept) WriteTextFile(dir.File(name), "not ours");
    const HeldTemporary live(dir.File("setup.cfg.tmp-live00"));

    std::vector<std::string> found = platform::StaleTemporaries(path);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{dir.File(stale[0]), dir.File(stale[1])}));

    ASSERT_TRUE(platform::WriteFileAtomically(path, "new"));
    EXPECT_EQ(ReadTextFile(path), "new");
    std::vector<std::string> expected = kept;
    expected.push_back("setup.cfg");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(dir.Path()), expected);
}

TEST(AtomicFile, ATemporaryThatIsNoRegularFileIsLeftAlone)
{
    TempDir dir;
    const std::string path = dir.File("setup.cfg");
    ASSERT_EQ(::mkfifo(dir.File("setup.cfg.tmp-fifo00").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.File("setup.cfg.tmp-dir000"));
    EXPECT_TRUE(platform::StaleTemporaries(path).empty());
    ASSERT_TRUE(platform::WriteFileAtomically(path, "new"));
    EXPECT_EQ(FolderEntries(dir.Path()).size(), 3u);
}

TEST(AtomicFile, WritesThroughASymbolicLinkAndCleansBesideItsTarget)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    const std::string target = dir.File("real/setup.cfg");
    WriteTextFile(target, "old");
    WriteTextFile(target + ".tmp-ab12CD", "stale");
    std::filesystem::create_symlink(target, dir.File("setup.cfg"));
    ASSERT_TRUE(platform::WriteFileAtomically(dir.File("setup.cfg"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("setup.cfg")));
    EXPECT_EQ(ReadTextFile(target), "new");
    EXPECT_EQ(FolderEntries(dir.File("real")), std::vector<std::string>{"setup.cfg"});
}

class ProfileUpdate : public ::testing::Test {
protected:
    TempDir dir_;
    std::string path_ = dir_.File("setup.cfg");
};

TEST_F(ProfileUpdate, ReadsItsOwnChangesAndWritesThemAtOnce)
{
    WriteTextFile(path_, "[PROGRAM]\nCOUNT=2\nPGM_NAME_1=B\n");
    platform::Profile profile(path_);
    ASSERT_TRUE(profile.Update([](platform::ProfileChange& change) {
        change.WriteInt("PROGRAM", "COUNT", change.ReadInt("program", "count", 0) + 1);
        change.Write("PROGRAM", "PGM_NAME_2", change.ReadRaw("PROGRAM", "PGM_NAME_1").value_or("?"));
        EXPECT_EQ(change.ReadInt("PROGRAM", "COUNT", 0), 3);
        change.Write("New", "K", "v");
    }));
    EXPECT_EQ(ReadTextFile(path_), "[PROGRAM]\nCOUNT=3\nPGM_NAME_1=B\nPGM_NAME_2=B\n[New]\nK=v\n");
}

// One refused key refuses the whole change: the keys before it are not written either.
TEST_F(ProfileUpdate, ARefusedKeyLeavesTheFileAsItWas)
{
    const std::string before = "[PROGRAM]\nCOUNT=2\n";
    WriteTextFile(path_, before);
    platform::Profile profile(path_);
    EXPECT_FALSE(profile.Update([](platform::ProfileChange& change) {
        change.WriteInt("PROGRAM", "COUNT", 3);
        change.Write("PROGRAM", "PGM_NAME_2", "two\nlines");
        change.Write("PROGRAM", "PGM_HIDE_2", "0");
    }));
    EXPECT_EQ(ReadTextFile(path_), before);
}

// Root writes into read-only folders, so the write runs in a child as an ordinary user.
TEST_F(ProfileUpdate, AFailedWriteLeavesTheFileAsItWas)
{
    const std::string before = "[PROGRAM]\nCOUNT=2\n";
    WriteTextFile(path_, before);
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0555), 0);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
            platform::Profile profile(path_);
            const bool wrote = profile.Update([](platform::ProfileChange& change) {
                change.WriteInt("PROGRAM", "COUNT", 3);
                change.Write("PROGRAM", "PGM_NAME_2", "C");
            });
            ::_exit(wrote ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0755), 0);
    EXPECT_EQ(ReadTextFile(path_), before);
    EXPECT_EQ(FolderEntries(dir_.Path()), std::vector<std::string>{"setup.cfg"});
}
