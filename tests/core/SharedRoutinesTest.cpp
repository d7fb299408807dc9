#include "core/SharedRoutines.h"

#include "core/CoreTestSupport.h"
#include "support/SmallFilesystem.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

#include <sys/stat.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace morvessa {
namespace {

using test::ScopedLocale;

// Sets or clears an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value) : name_(name)
    {
        if (qEnvironmentVariableIsSet(name))
            previous_ = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (previous_)
            qputenv(name_, *previous_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    std::optional<QByteArray> previous_;
};

void WriteFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

TEST(FileExists, IsTrueOnlyForAReadableFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("temp.bmp"));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(path));
    WriteFile(path);
    EXPECT_TRUE(FileExists(path));
    EXPECT_TRUE(FileExists(path.toStdString()));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("no/such/folder/file.xls"))));
}

TEST(DeleteFileQuietly, DeletesPlainAndReadOnlyFilesAndIgnoresMissingOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain.xls"));
    const QString readOnly = dir.filePath(QStringLiteral("read-only.xls"));
    WriteFile(plain);
    WriteFile(readOnly);
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser));

    DeleteFileQuietly(plain);
    DeleteFileQuietly(readOnly.toStdString());
    EXPECT_FALSE(QFile::exists(plain));
    EXPECT_FALSE(QFile::exists(readOnly));

    DeleteFileQuietly(plain);  // already gone: nothing happens
    DeleteFileQuietly(QString());
    DeleteFileQuietly(dir.filePath(QStringLiteral("missing/folder/x.xls")));
    DeleteFileQuietly(dir.path());  // a folder is not a file and stays
    EXPECT_TRUE(QDir(dir.path()).exists());
}

TEST(DeleteFileQuietly, RemovesALinkItselfAndNeverChangesPermissionsThroughOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString victim = dir.filePath(QStringLiteral("victim.txt"));
    WriteFile(victim);
    ASSERT_TRUE(QFile::setPermissions(victim, QFileDevice::ReadOwner));
    const QString link = dir.filePath(QStringLiteral("temp.bmp"));
    ASSERT_TRUE(QFile::link(victim, link));
    DeleteFileQuietly(link);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFile::exists(victim));

    // A link the plain delete cannot remove (another user's in a shared folder; here a folder that
    // cannot change) used to be made writable for the forced delete, through the link.
    const QString shared = dir.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    testing::SmallFilesystem disk(shared.toStdString(), 64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    const QString planted = shared + QStringLiteral("/temp.bmp");
    ASSERT_TRUE(QFile::link(victim, planted));
    ASSERT_TRUE(disk.MakeReadOnly());
    DeleteFileQuietly(planted);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(victim).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0400u);
}

TEST(DeleteFileQuietly, HandlesPendingEventsBeforeDeleting)
{
    int argc = 1;
    char name[] = "shared-routines-test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tqmrex12345678.xls"));
    WriteFile(path);
    bool existedWhenEventRan = false;
    bool eventRan = false;
    QTimer::singleShot(0, &app, [&] {
        eventRan = true;
        existedWhenEventRan = QFile::exists(path);
    });
    DeleteFileQuietly(path);
    EXPECT_TRUE(eventRan);
    EXPECT_TRUE(existedWhenEventRan);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DecimalSeparator, FollowsTheLocale)
{
    {
        ScopedLocale english(QLocale::English);
        EXPECT_EQ(LocalDecimalSeparator(), QStringLiteral("."));
        EXPECT_EQ(ConvertDecimalSeparator(QStringLiteral("16,0"), false), QStringLiteral("16.0"));
        EXPECT_EQ(ConvertDecimalSeparator(QStringLiteral("16.0"), false), QStringLiteral("16.0"));
        EXPECT_EQ(ConvertDecimalSeparator(QStringLiteral("16,0"), true), QStringLiteral("16,0"));
    }
    {
        ScopedLocale german(QLocale::German);
        EXPECT_EQ(LocalDecimalSeparator(), QStringLiteral(","));
        EXPECT_EQ(ConvertDecimalSeparator(QStringLiteral("16.0"), false), QStringLiteral("16,0"));
        EXPECT_EQ(ConvertDecimalSeparator(QStringLiteral("16,0"), false), QStringLiteral("16,0"));
        EXPECT_EQ(ConvertDecimalSeparator(QStringLiteral("1,2,3"), true), QStringLiteral("1.2.3"));
        EXPECT_EQ(ConvertDecimalSeparator(QString(), true), QString());
    }
}

TEST(ApplicationTitle, CutsWordsFromTheEnd)
{
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("Morvessa")), QStringLiteral("Morvessa"));
    // Three words, 20 characters: only the last word goes.
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("Yearly Planner Suite")), QStringLiteral("Yearly Planner"));
    // 50 characters: words go until at most 40 remain.
    const QString fifty = QStringLiteral("Printable Yearly Calendar Workbook Maker Pro Lite");
    ASSERT_EQ(fifty.size(), 49);
    EXPECT_EQ(ApplicationTitleFor(fifty + QStringLiteral("s")),
              QStringLiteral("Printable Yearly Calendar Workbook Maker"));
    // A first word longer than 40 characters cannot be cut further.
    const QString longWord(45, u'x');
    EXPECT_EQ(ApplicationTitleFor(longWord + QStringLiteral(" tail more")), longWord);

    SetApplicationTitle();
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("Morvessa"));
}

TEST(TempFolder, PrefersTheTempVariable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        ScopedEnv temp("TEMP", (dir.path() + QStringLiteral("/")).toLocal8Bit());
        EXPECT_EQ(TempFolder(), dir.path());
    }
    {
        ScopedEnv temp("TEMP", std::nullopt);
        EXPECT_EQ(TempFolder(), QDir::cleanPath(QDir::tempPath()));
    }
    {
        ScopedEnv temp("TEMP", QByteArray());
        EXPECT_EQ(TempFolder(), QDir::cleanPath(QDir::tempPath()));
    }
}

}  // namespace
}  // namespace morvessa
