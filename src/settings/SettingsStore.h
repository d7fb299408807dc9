#pragma once
// The per-user store of every setting: strings addressed by application "Vantrelle", section
// "Morvessa" and key. Kept as an INI file (QSettings) in the user's configuration folder, or in a
// file of the caller's choosing (tests, morvessa-batch --settings).

#include "core/ScopedOverride.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

class QLockFile;

namespace morvessa {

inline constexpr const char* kSettingsApplication = "Vantrelle";
inline constexpr const char* kSettingsSection = "Morvessa";

// Every key the program uses.
namespace key {
inline constexpr const char* HolidaysColor = "HolidaysColor";
inline constexpr const char* DaysColor = "DaysColor";
inline constexpr const char* EmptyColor = "EmptyColor";
inline constexpr const char* Easter = "Easter";
inline constexpr const char* FixedHolidaysCount = "FixedHolidaysCount";
inline constexpr const char* FloatingHolidaysCount = "FloatingHolidaysCount";
// "1": the fixed and floating lists may hold no holiday, so a count of 0 is an empty list rather
// than a missing one. A first start that takes a country's holidays instead of the lists sets it.
inline constexpr const char* EmptyHolidayLists = "EmptyHolidayLists";
// The folder the preview last saved a calendar to; its save dialog opens there.
inline constexpr const char* SaveFolder = "SaveFolder";
// The calendar's language, first weekday, first month and week numbers (CalendarOptions).
inline constexpr const char* CalendarLanguage = "CalendarLanguage";
inline constexpr const char* WeekStart = "WeekStart";
inline constexpr const char* FirstMonth = "FirstMonth";
inline constexpr const char* WeekNumbers = "WeekNumbers";
// Which pages the calendar has (months, both, year) and how they stand (landscape, portrait).
inline constexpr const char* Pages = "Pages";
inline constexpr const char* Orientation = "Orientation";
}  // namespace key

// The store could not be read or written (an unwritable folder, a damaged file). The message says
// which file and what went wrong; the caller's error trap reports it.
class SettingsStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stored text of `key`, or `defaultValue` when the key does not exist. Whatever was written
// comes back exactly (commas, quotes, "=", "|", "¬", leading blanks, any language).
QString ReadSetting(const QString& key, const QString& defaultValue);

// The stored text of each of `keys` that exists, all from one reading of the file: values that
// belong together (a count and its columns) are never mixed from two versions of the file, even
// while another copy of the program writes it.
QHash<QString, QString> ReadSettings(const QStringList& keys);

// The stored text of `key` (or `defaultValue`) as a whole number, numeric text rounded half to even.
// Text that is not a number throws ConversionError naming the setting and what it holds
// ("Type mismatch: the setting Easter holds \"yes\", which is not a number").
std::int32_t ReadWholeNumberSetting(const QString& key, const QString& defaultValue);

// Stores `value` under `key`, replacing any earlier value, and writes it to disk at once; throws
// SettingsStoreError when the file cannot be written. A damaged store file is first kept aside as
// "<file>.damaged" so nothing in it is lost, and the user is told where the copy is.
void WriteSetting(const QString& key, const QString& value);

// Writes several keys, in the given order, in one update of the file: either all of them reach the
// disk or, when the file cannot be written, none does (SettingsStoreError). Values that are stored
// already leave the file untouched. Writes under the SettingsEditLock.
using SettingValues = std::vector<std::pair<QString, QString>>;
void WriteSettings(const SettingValues& values);

// Holds the store's edit lock (a QLockFile beside the settings file) for one scope, so that a change
// made of a read and a write finishes before another copy of the program, or morvessa-batch, starts
// its own. Nesting in one process is free. Throws SettingsStoreError when the lock cannot be taken
// (an unwritable folder, or another copy holding it for several seconds).
class SettingsEditLock {
public:
    SettingsEditLock();
    ~SettingsEditLock();
    SettingsEditLock(const SettingsEditLock&) = delete;
    SettingsEditLock& operator=(const SettingsEditLock&) = delete;

private:
    QString path_;
    std::unique_ptr<QLockFile> file_;  // only the outermost lock of a path holds the file
};

// Whether the settings file holds lines the store cannot read (it still uses the readable part).
bool SettingsFileIsDamaged();

// Keeps a copy of the settings file as "<file>.damaged" (or ".damaged1", ...) and returns its path;
// a copy already there with the same content is used again rather than multiplied. Throws
// SettingsStoreError when no copy can be made.
QString KeepCopyOfSettingsFile();

// When the settings file is damaged: keeps a copy and tells the user once where it is. Called at
// start-up, so the user hears of it before anything is written.
void ReportDamagedSettingsFile();

// Where the store's own notices go (a damaged file and its copy); empty: stderr.
using SettingsNoticeHandler = std::function<void(const QString& text)>;
void SetSettingsNoticeHandler(SettingsNoticeHandler handler);
// Shows `text` through the handler, once per run: the same text again is not repeated.
void ShowSettingsNoticeOnce(const QString& text);

// Tells the user once per run that `key` holds `stored`, which the program cannot use, so it goes on
// with the key's default. For values read where a wrong one would otherwise be ignored without a word.
void ReportInvalidSetting(const QString& key, const QString& stored);

// The INI file in use. By default: <user config folder>/Vantrelle.ini.
QString SettingsFilePath();
// The default file of the current user, whatever override is in force.
QString DefaultSettingsFilePath();

// Points the store at another file; an empty path goes back to the user's own store.
void SetSettingsFile(const QString& path);

// Uses another file for one scope and puts the previous choice back afterwards.
struct SettingsFileHook {
    using Value = QString;
    static Value& Slot();
};
using ScopedSettingsFile = ScopedOverride<SettingsFileHook>;

}  // namespace morvessa
