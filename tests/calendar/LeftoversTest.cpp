// The start-up sweep: what killed runs left in TEMP and in the running-instance table goes; what a
// live process holds stays.

#include "calendar/Leftovers.h"
#include "calendar/CalendarTestSupport.h"
#include "core/RunFolder.h"
#include "host/HostInstances.h"
#include "host/InstanceRegistry.h"
#include "support/ProcessTestSupport.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvessa::calendar_test {
namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

void MakeOlder(const std::string& path, int seconds)
{
    const timeval now{::time(nullptr) - seconds, 0};
    const timeval times[2] = {now, now};
    ::utimes(path.c_str(), times);
}

class LeftoversTest : public IsolatedCalendarTest {
protected:
    std::string Temp() const { return TempPath().toStdString(); }
    std::string Registry() const { return FolderPath(QStringLiteral("instances")).toStdString(); }
};

TEST_F(LeftoversTest, WhatKilledRunsLeftIsRemovedAndWhatLiveOnesHoldStays)
{
    // TEMP: a live run's folder, a killed batch run's folder with its picture, and workbooks that
    // earlier builds kept in TEMP directly: one a day old, one of a moment ago.
    const auto live = PrivateFolder::Create(Temp(), kWindowRunFolderPrefix);
    fs::create_directory(Temp() + "/morvessa-batch-Ab12Cd");
    Write(Temp() + "/morvessa-batch-Ab12Cd/temp.bmp.x1y2z3", std::string(4096, 'p'));
    Write(Temp() + "/tqmrex12345678.xls", "old workbook");
    MakeOlder(Temp() + "/tqmrex12345678.xls", 2 * 24 * 3600);
    Write(Temp() + "/tqmrex87654321.xls", "a preview may still show it");
    Write(Temp() + "/tqmrex0000000.xls", "not our name");
    MakeOlder(Temp() + "/tqmrex0000000.xls", 2 * 24 * 3600);

    // The running-instance table: a finished and an unfinished entry of ended processes, and one of
    // this live process.
    ASSERT_EQ(::mkdir(Registry().c_str(), 0700), 0);
    const pid_t ended = testing::EndedPid();
    Write(Registry() + "/" + std::to_string(ended) + "-1-0-ab.instance",
          "pid=" + std::to_string(ended) + "\n");
    Write(Registry() + "/" + std::to_string(ended) + "-1-1-cd.instance.partial", "pid=");
    Write(Registry() + "/" + std::to_string(ended) + "-2-ef.instance.partial", "");  // an older build's name
    const std::string me = std::to_string(::getpid()) + "-" + ProcessStartTime(::getpid());
    const std::string mine = me + "-0-aa.instance";
    Write(Registry() + "/" + mine, "pid=" + std::to_string(::getpid()) + "\n");
    const std::string minePartial = me + "-1-bb.instance.partial";
    Write(Registry() + "/" + minePartial, "");

    // TMPDIR: the .xlsx writer's scratch file of a killed run.
    const bool hadTmpDir = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray previousTmpDir = qgetenv("TMPDIR");
    qputenv("TMPDIR", TempPath().toUtf8());
    Write(Temp() + "/morvessa-xlsx-Qw3Er4", std::string(4096, 'z'));

    RemovedLeftovers removed;
    {
        ScopedInstanceRegistryFolder registry(Registry());
        removed = RemoveLeftoversOfEndedRuns();
    }
    hadTmpDir ? qputenv("TMPDIR", previousTmpDir) : qunsetenv("TMPDIR");
    EXPECT_EQ(removed.scratchFiles, 1);
    EXPECT_EQ(removed.runFolders, 1);
    EXPECT_EQ(removed.tempWorkbooks, 1);
    EXPECT_EQ(removed.instanceEntries, 3);
    EXPECT_EQ(testing::EntryNames(Temp()),
              (std::vector<std::string>{fs::path(live->path()).filename().string(), "tqmrex0000000.xls",
                                        "tqmrex87654321.xls"}));
    EXPECT_EQ(testing::EntryNames(Registry()), (std::vector<std::string>{mine, minePartial}));
}

}  // namespace
}  // namespace morvessa::calendar_test
