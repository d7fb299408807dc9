// The private run folder: out of other users' reach, gone when its run ends, and removed at the next
// start when its run was killed.

#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "support/ProcessTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvessa {
namespace {

namespace fs = std::filesystem;

class RunFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    std::string Temp() const { return temp_.path().toStdString(); }

    QTemporaryDir temp_;
};

TEST_F(RunFolderTest, IsPrivateAndTakesEverythingWithItWhenItEnds)
{
    std::ofstream(Temp() + "/outside.txt") << "kept";
    std::string path;
    {
        const auto folder = PrivateFolder::Create(Temp(), kWindowRunFolderPrefix);
        path = folder->path();
        struct stat st {};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        EXPECT_EQ(fs::path(path).filename().string().rfind(kWindowRunFolderPrefix, 0), 0u);
        std::ofstream(path + "/tqmrex12345678.xls") << "workbook";
        fs::create_symlink(Temp() + "/outside.txt", path + "/temp.bmp");
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(testing::EntryNames(Temp()), std::vector<std::string>{"outside.txt"});
}

TEST_F(RunFolderTest, OnlyFoldersOfEndedRunsAreRemoved)
{
    const auto live = PrivateFolder::Create(Temp(), kBatchRunFolderPrefix);
    // A run that was killed: its folder is there, its lock is not.
    fs::create_directory(Temp() + "/morvessa-batch-dead01");
    std::ofstream(Temp() + "/morvessa-batch-dead01/temp.bmp.a1b2c3") << "picture";
    fs::create_directory(Temp() + "/morvessa-run-dead02");
    // Not ours by name or kind.
    fs::create_directory(Temp() + "/morvessa-batch-toolong1");
    fs::create_directory(Temp() + "/morvessa-other-abcdef");
    std::ofstream(Temp() + "/morvessa-run-file01") << "a file";
    fs::create_directory_symlink(Temp() + "/morvessa-other-abcdef", Temp() + "/morvessa-run-link01");

    EXPECT_EQ(RemoveAbandonedRunFolders(Temp()), 2);
    EXPECT_TRUE(live->StillThere());
    // The live folder's random name sorts anywhere among the others.
    std::vector<std::string> kept{fs::path(live->path()).filename().string(), "morvessa-batch-toolong1",
                                  "morvessa-other-abcdef", "morvessa-run-file01", "morvessa-run-link01"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(testing::EntryNames(Temp()), kept);
    if (::geteuid() == 0) {
        fs::create_directory(Temp() + "/morvessa-run-other1");
        ASSERT_EQ(::chown((Temp() + "/morvessa-run-other1").c_str(), 65534, 65534), 0);
        EXPECT_EQ(RemoveAbandonedRunFolders(Temp()), 0) << "another user's folder was removed";
    }
}

TEST_F(RunFolderTest, TheFolderOfAKilledProcessGoesAtTheNextStart)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const auto folder = PrivateFolder::Create(Temp(), kWindowRunFolderPrefix);
        std::ofstream(folder->path() + "/tqmrex12345678.xls") << "workbook";
        const char byte = 1;
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(RemoveAbandonedRunFolders(Temp()), 0) << "the folder of a running process was removed";
    ASSERT_EQ(testing::EntryNames(Temp()).size(), 1u);

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(RemoveAbandonedRunFolders(Temp()), 1);
    EXPECT_TRUE(testing::EntryNames(Temp()).empty());
}

TEST_F(RunFolderTest, TheProcessFolderFollowsTemp)
{
    const QByteArray previous = qgetenv("TEMP");
    qputenv("TEMP", temp_.path().toUtf8());
    const std::string first = RunFolder();
    EXPECT_EQ(fs::path(first).parent_path().string(), Temp());
    EXPECT_EQ(RunFolder(), first);

    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    qputenv("TEMP", other.path().toUtf8());
    const std::string second = RunFolder();
    EXPECT_EQ(fs::path(second).parent_path().string(), other.path().toStdString());
    EXPECT_FALSE(fs::exists(first)) << "the folder in the old TEMP was left";

    fs::remove_all(second);  // someone deleted it: the next use makes a new one
    EXPECT_TRUE(fs::is_directory(RunFolder()));
    qputenv("TEMP", previous);
}

}  // namespace
}  // namespace morvessa
