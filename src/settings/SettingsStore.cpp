#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace morvessa {

namespace {

QString g_settingsFile;  // empty: the user's own store

QString StatusText(QSettings::Status status)
{
    switch (status) {
    case QSettings::AccessError:
        return QStringLiteral("it cannot be read or written");
    case QSettings::FormatError:
        return QStringLiteral("it is damaged");
    case QSettings::NoError:
        break;
    }
    return QString();
}

[[noreturn]] void ThrowStoreError(const QString& path, const QString& what)
{
    throw SettingsStoreError(QStringLiteral("The settings file \"%1\" %2.")
                                 .arg(QDir::toNativeSeparators(path), what)
                                 .toStdString());
}

QString KeyPath(const QString& key)
{
    return QString::fromLatin1(kSettingsSection) + u'/' + key;
}

// Keeps a copy of a damaged store before QSettings rewrites it from the part it could read.
void KeepDamagedCopy(const QString& path)
{
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(copy); ++n)
        copy = path + QStringLiteral(".damaged%1").arg(n);
    if (!QFile::copy(path, copy))
        ThrowStoreError(path,
                        QStringLiteral("is damaged and no copy of it could be kept; nothing was written"));
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
    if (!value.isValid())
        return defaultValue;
    // A hand-edited line such as "Name=a, b" reads as a list; give the text back as it was written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void WriteSettings(const SettingValues& values)
{
    const QString path = SettingsFilePath();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        ThrowStoreError(path, QStringLiteral("is not a file"));
    {
        // QSettings rewrites a file from what it could parse; keep a damaged one aside first.
        QSettings probe(path, QSettings::IniFormat);
        (void)probe.allKeys();
        if (probe.status() == QSettings::FormatError && info.exists())
            KeepDamagedCopy(path);
        else if (probe.status() == QSettings::AccessError)
            ThrowStoreError(path, StatusText(probe.status()));
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
