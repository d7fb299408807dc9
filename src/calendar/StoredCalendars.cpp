#include "calendar/StoredCalendars.h"

#include "calendar/HolidayIcs.h"
#include "calendar/IcsPreScan.h"
#include "settings/SettingsStore.h"
#include "spreadsheet/io/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace morvessa {

namespace {

QJsonObject ToJson(const StoredCalendar& calendar)
{
    QJsonObject object{{"name", calendar.name},         {"file", calendar.file},
                       {"source", calendar.source},     {"linked", calendar.linked},
                       {"timed", calendar.includeTimed}, {"events", calendar.eventCount}};
    if (!calendar.hiddenUids.isEmpty())
        object.insert("hidden", QJsonArray::fromStringList(calendar.hiddenUids));
    return object;
}

StoredCalendar FromJson(const QJsonObject& object)
{
    StoredCalendar calendar;
    calendar.name = object.value("name").toString();
    calendar.file = object.value("file").toString();
    calendar.source = object.value("source").toString();
    calendar.linked = object.value("linked").toBool();
    calendar.includeTimed = object.value("timed").toBool();
    calendar.eventCount = object.value("events").toInt();
    for (const QJsonValue& uid : object.value("hidden").toArray())
        calendar.hiddenUids.append(uid.toString());
    if (calendar.file.isEmpty())
        throw IcsError("The stored calendar \"" + calendar.name.toStdString() + "\" names no file");
    return calendar;
}

QString CopiesFolder()
{
    return QFileInfo(SettingsFilePath()).absoluteDir().filePath(QStringLiteral("Calendars"));
}

QByteArray ReadFileBytes(const QString& path)
{
    try {
        const std::vector<uint8_t> bytes = sheet::io::ReadWholeFile(path.toStdString(), kMaxIcsBytes);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    } catch (const sheet::io::FileError& error) {
        throw IcsError(QCoreApplication::translate("IcsFile", "The calendar file \"%1\" cannot be read: %2.")
                           .arg(path, QString::fromStdString(error.reason()))
                           .toStdString());
    }
}

// A new file in the copies folder for a calendar imported from `source`.
QString NewCopyPath(const QString& source)
{
    QDir().mkpath(CopiesFolder());
    const QString id = QUuid::createUuid().toString(QUuid::Id128).left(12);
    return QDir(CopiesFolder()).filePath(QFileInfo(source).completeBaseName() + u'-' + id + ".ics");
}

void WriteCopy(const QString& path, const QByteArray& bytes)
{
    try {
        sheet::io::ReplaceFileAtomically(
            path.toStdString(),
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    } catch (const sheet::io::FileError& error) {
        throw IcsError(QStringLiteral("The copy of the calendar cannot be kept: %1.")
                           .arg(QString::fromStdString(error.what()))
                           .toStdString());
    }
}

StoredCalendar& At(std::vector<StoredCalendar>& calendars, std::size_t index)
{
    if (index >= calendars.size())
        throw IcsError("That calendar is no longer stored.");
    return calendars[index];
}

}  // namespace

std::vector<StoredCalendar> StoredCalendars()
{
    const QString text = ReadSetting(QString::fromLatin1(key::IcsCalendars), QString());
    std::vector<StoredCalendar> calendars;
    if (text.isEmpty())
        return calendars;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (!document.isArray())
        throw IcsError("The stored list of calendars (" + std::string(key::IcsCalendars) +
                       ") cannot be read: " + error.errorString().toStdString());
    for (const QJsonValue& value : document.array())
        calendars.push_back(FromJson(value.toObject()));
    return calendars;
}

void SaveStoredCalendars(const std::vector<StoredCalendar>& calendars)
{
    QJsonArray list;
    for (const StoredCalendar& calendar : calendars)
        list.append(ToJson(calendar));
    WriteSetting(QString::fromLatin1(key::IcsCalendars),
                 calendars.empty() ? QString()
                                   : QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
}

IcsCalendar ReadCalendarFile(const QString& path)
{
    try {
        return IcsCalendar::Parse(ReadFileBytes(path));
    } catch (const IcsError& error) {
        const std::string what = error.what();
        if (what.find(path.toStdString()) != std::string::npos)
            throw;
        throw IcsError("\"" + path.toStdString() + "\": " + what);
    }
}

StoredCalendar ImportCalendar(const QString& path, bool linked, bool includeTimed)
{
    const QByteArray bytes = ReadFileBytes(path);
    const IcsCalendar parsed = IcsCalendar::Parse(bytes);
    SettingsEditLock lock;
    std::vector<StoredCalendar> calendars = StoredCalendars();
    StoredCalendar calendar;
    calendar.source = QFileInfo(path).absoluteFilePath();
    calendar.name = parsed.Name().isEmpty() ? QFileInfo(path).fileName() : parsed.Name();
    calendar.linked = linked;
    calendar.includeTimed = includeTimed;
    calendar.eventCount = int(parsed.Events().size());
    calendar.file = calendar.source;
    if (!linked) {
        calendar.file = NewCopyPath(path);
        WriteCopy(calendar.file, bytes);
    }
    calendars.push_back(calendar);
    try {
        SaveStoredCalendars(calendars);
    } catch (...) {
        if (!linked)
            QFile::remove(calendar.file);
        throw;
    }
    return calendar;
}

void RefreshCalendar(std::size_t index)
{
    SettingsEditLock lock;
    std::vector<StoredCalendar> calendars = StoredCalendars();
    StoredCalendar& calendar = At(calendars, index);
    const QByteArray bytes = ReadFileBytes(calendar.source);
    const IcsCalendar parsed = IcsCalendar::Parse(bytes);
    if (!calendar.linked)
        WriteCopy(calendar.file, bytes);
    calendar.eventCount = int(parsed.Events().size());
    SaveStoredCalendars(calendars);
}

StoredCalendar RemoveCalendar(std::size_t index)
{
    SettingsEditLock lock;
    std::vector<StoredCalendar> calendars = StoredCalendars();
    const StoredCalendar removed = At(calendars, index);
    calendars.erase(calendars.begin() + std::ptrdiff_t(index));
    SaveStoredCalendars(calendars);
    return removed;
}

void RestoreCalendar(std::size_t index, const StoredCalendar& calendar)
{
    SettingsEditLock lock;
    std::vector<StoredCalendar> calendars = StoredCalendars();
    calendars.insert(calendars.begin() + std::ptrdiff_t(std::min(index, calendars.size())), calendar);
    SaveStoredCalendars(calendars);
}

bool ForgetCalendar(const StoredCalendar& calendar)
{
    SettingsEditLock lock;
    std::vector<StoredCalendar> calendars = StoredCalendars();
    // Found by its file: the user may have hidden events since.
    const auto found = std::find_if(calendars.begin(), calendars.end(),
                                    [&](const StoredCalendar& stored) { return stored.file == calendar.file; });
    if (found == calendars.end())
        return false;
    calendars.erase(found);
    SaveStoredCalendars(calendars);
    if (!calendar.linked)
        QFile::remove(calendar.file);
    return true;
}

void SetEventHidden(std::size_t index, const QString& uid, bool hidden)
{
    SettingsEditLock lock;
    std::vector<StoredCalendar> calendars = StoredCalendars();
    QStringList& uids = At(calendars, index).hiddenUids;
    uids.removeAll(uid);
    if (hidden)
        uids.append(uid);
    SaveStoredCalendars(calendars);
}

void SetHiddenEvents(std::size_t index, const QStringList& uids)
{
    SettingsEditLock lock;
    std::vector<StoredCalendar> calendars = StoredCalendars();
    At(calendars, index).hiddenUids = uids;
    SaveStoredCalendars(calendars);
}

QString CalendarImportSummary(const StoredCalendar& calendar, const IcsCalendar& parsed)
{
    QString text = QStringLiteral("Imported the calendar \"%1\" with %2 event%3")
                       .arg(calendar.name)
                       .arg(calendar.eventCount)
                       .arg(calendar.eventCount == 1 ? "" : "s");
    int timed = 0;
    for (const IcsEventInfo& event : parsed.Events())
        timed += event.timed ? 1 : 0;
    if (timed > 0 && !calendar.includeTimed)
        text += QStringLiteral("; %1 timed event%2 left out").arg(timed).arg(timed == 1 ? " is" : "s are");
    if (parsed.DamagedEvents() > 0)
        text += QStringLiteral("; %1 event%2 could not be read")
                    .arg(parsed.DamagedEvents())
                    .arg(parsed.DamagedEvents() == 1 ? "" : "s");
    return text + u'.';
}

StoredCalendarDays DaysOfStoredCalendars(int firstYear, int lastYear)
{
    StoredCalendarDays result;
    std::vector<StoredCalendar> calendars;
    try {
        calendars = StoredCalendars();
    } catch (const IcsError& error) {
        result.problems.append(QString::fromStdString(error.what()));
        return result;
    }
    for (const StoredCalendar& calendar : calendars) {
        try {
            IcsExpansion expansion = ReadCalendarFile(calendar.file).Expand(
                firstYear, lastYear, {calendar.includeTimed, calendar.hiddenUids});
            // Each day says which calendar it is from: its colour and the legend follow the calendar.
            for (IcsDay& day : expansion.days)
                day.calendar = calendar.name;
            result.days.insert(result.days.end(), expansion.days.begin(), expansion.days.end());
            if (!expansion.cutEvents.isEmpty()) {
                // A few names say which; a hostile file's thousands are counted instead.
                QString events = QStringList(expansion.cutEvents.mid(0, 3)).join(QStringLiteral("\", \""));
                if (expansion.cutEvents.size() > 3)
                    events += u'"' + QCoreApplication::translate("StoredCalendars", " and %1 more")
                                         .arg(expansion.cutEvents.size() - 3);
                else
                    events += u'"';
                const QString notice =
                    expansion.cutEvents.size() == 1
                        ? QCoreApplication::translate("StoredCalendars",
                                                      "In the calendar \"%1\", \"%2 repeats more often than %3 "
                                                      "times or than can be counted; shown up to there only.")
                        : QCoreApplication::translate("StoredCalendars",
                                                      "In the calendar \"%1\", \"%2 repeat more often than %3 "
                                                      "times or than can be counted; shown up to there only.");
                result.notices.append(notice.arg(calendar.name, events).arg(kMaxOccurrencesOfEvent));
            }
            if (expansion.daysCut)
                result.notices.append(QCoreApplication::translate("StoredCalendars",
                                                                  "The calendar \"%1\" marks more than %2 days in "
                                                                  "these years; shown up to there only.")
                                          .arg(calendar.name)
                                          .arg(kMaxDaysOfCalendar));
        } catch (const IcsError& error) {
            result.problems.append(QStringLiteral("The calendar \"%1\" cannot be shown: %2")
                                       .arg(calendar.name, QString::fromStdString(error.what())));
        }
    }
    std::stable_sort(result.days.begin(), result.days.end(),
                     [](const IcsDay& a, const IcsDay& b) { return a.date < b.date; });
    return result;
}

}  // namespace morvessa
