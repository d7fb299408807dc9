#include "settings/SettingsStore.h"

#include "core/NumericText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <cstdio>

namespace morvessa {

namespace {

QString g_settingsFile;  // empty: the user's own store
SettingsNoticeHandler g_noticeHandler;
QSet<QString> g_noticesShown;
QHash<QString, int> g_lockDepth;  // edit locks this process holds, by settings file

// Long enough for another copy's change (a read and a write of a small file) to finish.
constexpr int kLockWaitMs = 10000;

// Whole sentences, so each language can place the file name where it belongs.
constexpr char kContext[] = "SettingsStore";
const char* const kCannotReadOrWrite =
    QT_TRANSLATE_NOOP("SettingsStore", "The settings file \"%1\" cannot be read or written.");
const char* const kDamaged = QT_TRANSLATE_NOOP("SettingsStore", "The settings file \"%1\" is damaged.");
const char* const kKeptBusy = QT_TRANSLATE_NOOP(
    "SettingsStore",
    "The settings file \"%1\" is kept busy by another copy of the program; nothing was changed, please try "
    "again.");
const char* const kNoCopyKept = QT_TRANSLATE_NOOP(
    "SettingsStore",
    "The settings file \"%1\" is damaged and no copy of it could be kept; nothing was written.");
const char* const kUnusableValue = QT_TRANSLATE_NOOP(
    "SettingsStore", "The setting %1 holds \"%2\", which is not one of its values, so its default is used.");
const char* const kNotAFile = QT_TRANSLATE_NOOP("SettingsStore", "The settings file \"%1\" is not a file.");

const char* StatusText(QSettings::Status status)
{
    return status == QSettings::FormatError ? kDamaged : kCannotReadOrWrite;
}

[[noreturn]] void ThrowStoreError(const QString& path, const char* sentence)
{
    throw SettingsStoreError(
        QCoreApplication::translate(kContext, sentence).arg(QDir::toNativeSeparators(path)).toStdString());
}

QString KeyPath(const QString& key)
{
    return QString::fromLatin1(kSettingsSection) + u'/' + key;
}

QString ValueText(const QVariant& value)
{
    // A hand-edited line such as "Name=a, b" reads as a list; give the text back as it was written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QByteArray FileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A line QSettings cannot take, read from the text itself: QSettings keeps one parse per file per
// process and reports a format error only the first time, and it reads an unclosed "[section" line
// as a section that swallows the keys after it without any error at all.
bool LineIsDamaged(QByteArrayView line)
{
    line = line.trimmed();
    if (line.isEmpty() || line.front() == ';')
        return false;
    if (line.front() == '[')
        return !line.endsWith(']');
    return !line.contains('=');
}

bool TextIsDamaged(const QByteArray& text)
{
    bool continued = false;  // QSettings joins a line that ends in a backslash with the next
    for (QByteArrayView rest(text); !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (!continued && LineIsDamaged(line))
            return true;
        continued = line.trimmed().endsWith('\\');
    }
    return false;
}

// Whether the file at `path` holds lines QSettings would drop on the next write.
bool FileIsDamaged(const QString& path)
{
    if (TextIsDamaged(FileContent(path)))
        return true;
    QSettings probe(path, QSettings::IniFormat);
    (void)probe.allKeys();
    return probe.status() == QSettings::FormatError;
}

QString DamagedFileNotice(const QString& path, const QString& copy)
{
    return QCoreApplication::translate(kContext,
                                       "The settings file \"%1\" is damaged: part of it could not be read. A "
                                       "copy of it was kept as \"%2\". The program goes on with the part it "
                                       "could read.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(copy));
}

}  // namespace

QString DefaultSettingsFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + u'/' + QString::fromLatin1(kSettingsApplication) + QStringLiteral(".ini");
}

QString SettingsFilePath()
{
    return g_settingsFile.isEmpty() ? DefaultSettingsFilePath() : g_settingsFile;
}

void SetSettingsFile(const QString& path)
{
    g_settingsFile = path;
}

SettingsFileHook::Value& SettingsFileHook::Slot()
{
    return g_settingsFile;
}

QString ReadSetting(const QString& key, const QString& defaultValue)
{
    const QString path = SettingsFilePath();
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        ThrowStoreError(path, StatusText(settings.status()));
    const QVariant value = settings.value(KeyPath(key));
    return value.isValid() ? ValueText(value) : defaultValue;
}

std::int32_t ReadWholeNumberSetting(const QString& key, const QString& defaultValue)
{
    const QString text = ReadSetting(key, defaultValue);
    try {
        return ToWholeNumber(text);
    } catch (const ConversionError& error) {
        throw ConversionError(QStringLiteral("%1: the setting %2 holds \"%3\", which is not a number")
                                  .arg(QString::fromUtf8(error.what()), key, text)
                                  .toStdString());
    }
}

QHash<QString, QString> ReadSettings(const QStringList& keys)
{
    const QString path = SettingsFilePath();
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        ThrowStoreError(path, StatusText(settings.status()));
    QHash<QString, QString> values;
    for (const QString& key : keys) {
        const QVariant value = settings.value(KeyPath(key));
        if (value.isValid())
            values.insert(key, ValueText(value));
    }
    return values;
}

SettingsEditLock::SettingsEditLock() : path_(SettingsFilePath())
{
    int& depth = g_lockDepth[path_];
    if (depth > 0) {
        ++depth;
        return;
    }
    // The lock file lives beside the settings file, whose folder may not exist yet.
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath())) {
        g_lockDepth.remove(path_);
        ThrowStoreError(path_, StatusText(QSettings::AccessError));
    }
    file_ = std::make_unique<QLockFile>(path_ + QStringLiteral(".edit.lock"));
    if (!file_->tryLock(kLockWaitMs)) {
        const QLockFile::LockError error = file_->error();
        file_.reset();
        g_lockDepth.remove(path_);
        if (error == QLockFile::LockFailedError)
            ThrowStoreError(path_, kKeptBusy);
        ThrowStoreError(path_, StatusText(QSettings::AccessError));
    }
    depth = 1;
}

SettingsEditLock::~SettingsEditLock()
{
    const auto it = g_lockDepth.find(path_);
    if (it != g_lockDepth.end() && --it.value() <= 0)
        g_lockDepth.erase(it);
    if (file_)
        file_->unlock();
}

bool SettingsFileIsDamaged()
{
    const QString path = SettingsFilePath();
    if (!QFileInfo(path).isFile())
        return false;
    return FileIsDamaged(path);
}

QString KeepCopyOfSettingsFile()
{
    const QString path = SettingsFilePath();
    const QByteArray content = FileContent(path);
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(copy); ++n) {
        if (FileContent(copy) == content)
            return copy;
        copy = path + QStringLiteral(".damaged%1").arg(n);
    }
    if (!QFile::copy(path, copy))
        ThrowStoreError(path, kNoCopyKept);
    return copy;
}

void ReportDamagedSettingsFile()
{
    if (!SettingsFileIsDamaged())
        return;
    const QString copy = KeepCopyOfSettingsFile();
    ShowSettingsNoticeOnce(DamagedFileNotice(SettingsFilePath(), copy));
}

void SetSettingsNoticeHandler(SettingsNoticeHandler handler)
{
    g_noticeHandler = std::move(handler);
}

void ShowSettingsNoticeOnce(const QString& text)
{
    if (g_noticesShown.contains(text))
        return;
    g_noticesShown.insert(text);
    if (g_noticeHandler)
        g_noticeHandler(text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void ReportInvalidSetting(const QString& key, const QString& stored)
{
    ShowSettingsNoticeOnce(QCoreApplication::translate(kContext, kUnusableValue).arg(key, stored.trimmed()));
}

void WriteSettings(const SettingValues& values)
{
    const QString path = SettingsFilePath();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        ThrowStoreError(path, kNotAFile);
    SettingsEditLock lock;
    {
        QSettings probe(path, QSettings::IniFormat);
        (void)probe.allKeys();
        if (probe.status() == QSettings::AccessError)
            ThrowStoreError(path, StatusText(probe.status()));
        // Rewriting a file to the values it holds already would only risk it.
        bool changes = false;
        for (const auto& [key, value] : values) {
            const QVariant stored = probe.value(KeyPath(key));
            changes = changes || !stored.isValid() || ValueText(stored) != value;
        }
        if (!changes)
            return;
        // QSettings rewrites a file from what it could parse; keep a damaged one aside first. Checked
        // at every write, under the lock, whatever an earlier read in this process found.
        if (info.exists() && FileIsDamaged(path))
            ShowSettingsNoticeOnce(DamagedFileNotice(path, KeepCopyOfSettingsFile()));
    }
    QSettings settings(path, QSettings::IniFormat);
    // Stored as strings, never lists, so commas come back as they went in.
    for (const auto& [key, value] : values)
        settings.setValue(KeyPath(key), QVariant(value));
    settings.sync();
    // A format complaint here is about the old content, which is kept aside; only a failed write counts.
    if (settings.status() == QSettings::AccessError)
        ThrowStoreError(path, StatusText(settings.status()));
}

void WriteSetting(const QString& key, const QString& value)
{
    WriteSettings({{key, value}});
}

}  // namespace morvessa
