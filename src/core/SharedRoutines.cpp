#include "core/SharedRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

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
    if (QFile::remove(path))
        return;
    // The forced way: a read-only file is made writable first.
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    QFile::remove(path);
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
