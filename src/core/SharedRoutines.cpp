#include "core/SharedRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvessa {

namespace {
QString g_applicationTitle;
}  // namespace

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.lastModified().isValid();
}

bool FileExists(const std::string& path)
{
    return FileExists(QString::fromStdString(path));
}

bool FileExists(const char* path)
{
    return path != nullptr && FileExists(QString::fromUtf8(path));
}

void DeleteFileQuietly(const QString& path)
{
    // A click or repaint queued now is handled before the file goes, as callers expect.
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents();
    if (path.isEmpty())
        return;
    const QByteArray name = QFile::encodeName(path);
    // unlink removes a link itself, never what it points to.
    if (::unlink(name.constData()) == 0 || errno == ENOENT)
        return;
    // The forced way: a read-only file is made writable first. Opened without following a link, so
    // the permissions of a file a planted link points to are never changed.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(fd, (st.st_mode & 07777) | S_IWUSR);
    ::close(fd);
    ::unlink(name.constData());
}

void DeleteFileQuietly(const std::string& path)
{
    DeleteFileQuietly(QString::fromStdString(path));
}

void DeleteFileQuietly(const char* path)
{
    DeleteFileQuietly(path ? QString::fromUtf8(path) : QString());
}

QString LocalDecimalSeparator()
{
    const QString half = QLocale().toString(0.5).trimmed();
    if (half.size() >= 2)
        return half.mid(1, 1);
    return QLocale().decimalPoint();
}

QString ConvertDecimalSeparator(const QString& text, bool toPoint)
{
    const QString separator = LocalDecimalSeparator();
    QString result = text;
    if (toPoint) {
        result.replace(separator, QStringLiteral("."));
    } else {
        result.replace(QStringLiteral("."), separator);
        result.replace(QStringLiteral(","), separator);
    }
    return result;
}

QString ApplicationTitleFor(const QString& productName)
{
    QString title = productName;
    do {
        const qsizetype blank = title.lastIndexOf(u' ');
        if (blank < 0)
            break;
        title.truncate(blank);
    } while (title.size() > 40);
    return title;
}

void SetApplicationTitle()
{
    g_applicationTitle = ApplicationTitleFor(QString::fromUtf8(kProductName));
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::setApplicationName(g_applicationTitle);
}

QString ApplicationTitle()
{
    if (g_applicationTitle.isEmpty())
        return ApplicationTitleFor(QString::fromUtf8(kProductName));
    return g_applicationTitle;
}

QString TempFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("TEMP");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    return QDir::cleanPath(QDir::tempPath());
}

}  // namespace morvessa
