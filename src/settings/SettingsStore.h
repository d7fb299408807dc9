#pragma once
// The per-user store of every setting: strings addressed by application "Vantrelle", section
// "Morvessa" and key. Kept as an INI file (QSettings) in the user's configuration folder, or in a
// file of the caller's choosing (tests, morvessa-batch --settings).

#include "core/ScopedOverride.h"
#include <QString>

#include <stdexcept>
#include <utility>
#include <vector>

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
// The folder the preview last saved a calendar to; its save dialog opens there.
inline constexpr const char* SaveFolder = "SaveFolder";
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

// Stores `value` under `key`, replacing any earlier value, and writes it to disk at once; throws
// SettingsStoreError when the file cannot be written. A damaged store file is first kept aside as
// "<file>.damaged" so nothing in it is lost.
void WriteSetting(const QString& key, const QString& value);

// Writes several keys, in the given order, in one update of the file: either all of them reach the
// disk or, when the file cannot be written, none does (SettingsStoreError).
using SettingValues = std::vector<std::pair<QString, QString>>;
void WriteSettings(const SettingValues& values);

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
