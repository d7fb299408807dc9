// morvessa-batch under file faults: a full TEMP, runs killed at any moment, and what they leave.

#include "core/RunFolder.h"
#include "support/SmallFilesystem.h"
#include "support/ProcessTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvessa {
namespace {

const QString kBatchTool = QStringLiteral(MORVESSA_BINARY_DIR "/bin/morvessa-batch");

class BatchFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(kBatchTool).isExecutable())
            GTEST_SKIP() << "morvessa-batch is not built";
        ASSERT_TRUE(folder_.isValid());
        for (const char* sub : {"temp", "config", "home", "runtime", "out"})
            ASSERT_TRUE(QDir(folder_.path()).mkpath(QString::fromLatin1(sub)));
        QFile settings(Path("settings.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));  // empty: the first-run defaults
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }
    QString Registry() const { return Path("runtime/morvessa-instances"); }

    std::unique_ptr<QProcess> Start(const QStringList& arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));  // English reports
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("TEMP"), Path("temp"));
        environment.insert(QStringLiteral("HOME"), Path("home"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path("runtime"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        auto tool = std::make_unique<QProcess>();
        tool->setProcessEnvironment(environment);
        tool->start(kBatchTool, arguments);
        return tool;
    }
    QStringList Arguments(const QString& out, int month = 1) const
    {
        return {"--year",     "2024",
                "--out",      out,
                "--settings", Path("settings.ini"),
                "--month",    QString::number(month)};
    }
    // The exit status (-1 for a crash or a hang) and stderr.
    std::pair<int, QString> Finish(QProcess& tool) const
    {
        if (!tool.waitForFinished(60000))
            return {-1, "did not finish"};
        const int status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
        return {status, QString::fromUtf8(tool.readAllStandardError())};
    }

    QStringList Entries(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }
    static QByteArray ReadAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void WriteAll(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private:
    QTemporaryDir folder_;
};

TEST_F(BatchFilesTest, AFullTempLeavesTheOutputAsItWasAndSaysWhy)
{
    testing::SmallFilesystem disk(Path("temp").toStdString(), 64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    const QString out = Path("out/keep.xls");
    WriteAll(out, "the user's calendar");
    auto tool = Start(Arguments(out));
    const auto [status, err] = Finish(*tool);
    EXPECT_EQ(status, 1) << err.toStdString();
    // It used to hand over the empty temporary workbook, and keep.xls became 0 bytes.
    EXPECT_EQ(ReadAll(out), QByteArray("the user's calendar"));
    EXPECT_TRUE(err.contains(QStringLiteral("(the disk is full). No calendar was made.")))
        << err.toStdString();
    EXPECT_EQ(Entries(Path("out")), QStringList{"keep.xls"});
    EXPECT_TRUE(Entries(Path("temp")).isEmpty()) << Entries(Path("temp")).join(' ').toStdString();
}

TEST_F(BatchFilesTest, WhatKilledRunsLeftGoesAtTheNextStartAndWhatLiveOnesHoldStays)
{
    // A killed run's folder with its half-written picture, and a live run's folder.
    ASSERT_TRUE(QDir().mkpath(Path("temp/morvessa-batch-dead01")));
    WriteAll(Path("temp/morvessa-batch-dead01/temp.bmp.partial-x1y2z3"), QByteArray(4096, 'p'));
    const auto live = PrivateFolder::Create(Path("temp").toStdString(), kBatchRunFolderPrefix);
    // Partial files of --out: one whose writer died, one a live writer holds locked.
    const QString out = Path("out/calendar.xls");
    WriteAll(out + ".partial-dead01", "cut off");
    WriteAll(out + ".partial-live01", "being written");
    const int held = ::open(QFile::encodeName(out + ".partial-live01").constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // The running-instance table: an entry and an unfinished entry of ended processes.
    ASSERT_TRUE(QDir().mkpath(Registry()));
    ASSERT_TRUE(QFile::setPermissions(Registry(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner));
    const QString ended = QString::number(testing::EndedPid());
    WriteAll(Registry() + "/" + ended + "-1-0-ab.instance", "pid=" + ended.toUtf8() + "\n");
    WriteAll(Registry() + "/" + ended + "-1-1-cd.instance.partial", "pid=");

    auto tool = Start(Arguments(out));
    const auto [status, err] = Finish(*tool);
    ::close(held);
    ASSERT_EQ(status, 0) << err.toStdString();
    EXPECT_EQ(Entries(Path("temp")), QStringList{QFileInfo(QString::fromStdString(live->path())).fileName()});
    EXPECT_EQ(Entries(Path("out")), (QStringList{"calendar.xls", "calendar.xls.partial-live01"}));
    EXPECT_TRUE(Entries(Registry()).isEmpty()) << Entries(Registry()).join(' ').toStdString();
}

TEST_F(BatchFilesTest, RunsKilledAtAnyMomentLeaveNothingAfterTheNextRun)
{
    const QString out = Path("out/calendar.xls");
    for (int delay : {40, 120, 250, 400, 600}) {
        auto tool = Start(Arguments(out));
        ASSERT_TRUE(tool->waitForStarted());
        QThread::msleep(static_cast<unsigned long>(delay));
        tool->kill();  // SIGKILL: no clean-up of its own
        tool->waitForFinished();
    }
    auto tool = Start(Arguments(out));
    const auto [status, err] = Finish(*tool);
    ASSERT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(Entries(Path("temp")).isEmpty()) << Entries(Path("temp")).join(' ').toStdString();
    EXPECT_EQ(Entries(Path("out")), QStringList{"calendar.xls"});
    EXPECT_TRUE(Entries(Registry()).isEmpty()) << Entries(Registry()).join(' ').toStdString();
}

TEST_F(BatchFilesTest, RunsAtOnceInOneTempEachGetTheirOwnPicture)
{
    const int months[] = {2, 6, 10};
    std::vector<std::unique_ptr<QProcess>> tools;
    for (int month : months) {
        QStringList arguments = Arguments(Path(QStringLiteral("out/m%1.xls").arg(month)), month);
        arguments << "--snapshot" << Path(QStringLiteral("out/m%1.bmp").arg(month));
        tools.push_back(Start(arguments));
    }
    for (auto& tool : tools) {
        const auto [status, err] = Finish(*tool);
        EXPECT_EQ(status, 0) << err.toStdString();
    }
    for (int month : months) {
        SCOPED_TRACE(month);
        QStringList arguments = Arguments(Path(QStringLiteral("out/alone.xls")), month);
        arguments << "--snapshot" << Path("out/alone.bmp");
        auto alone = Start(arguments);
        ASSERT_EQ(Finish(*alone).first, 0);
        EXPECT_EQ(ReadAll(Path(QStringLiteral("out/m%1.bmp").arg(month))), ReadAll(Path("out/alone.bmp")));
    }
    EXPECT_TRUE(Entries(Path("temp")).isEmpty());
}

}  // namespace
}  // namespace morvessa
