#include "calendar/HolidayColours.h"

#include "calendar/StoredCalendars.h"
#include "colours/ColorPalette.h"
#include "holidays/HolidayRules.h"
#include "holidays/world/WorldSources.h"
#include "settings/SettingsStore.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iterator>

namespace morvessa {

namespace {

// Light fills that keep the red holiday names readable, far apart from each other: light green,
// light turquoise, tan, pale blue, rose, lavender, light yellow, light orange.
constexpr std::int32_t kSourceFills[] = {35, 34, 40, 37, 38, 39, 36, 45};

bool InPalette(std::int32_t index)
{
    return index >= 1 && index <= kPaletteSize;
}

std::int32_t ColourOrNone(const char* settingKey)
{
    try {
        return GetColorIndex(QString::fromLatin1(settingKey));
    } catch (...) {
        return kNoColorIndex;
    }
}

}  // namespace

std::map<QString, std::int32_t> StoredSourceColours()
{
    std::map<QString, std::int32_t> colours;
    QString text;
    try {
        text = ReadSetting(QString::fromLatin1(key::SourceColors), QString());
    } catch (...) {
        return colours;
    }
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const int index = it.value().toInt(0);
        if (HolidaySource::FromKey(it.key()) && (InPalette(index) || index == kNoColorIndex))
            colours[it.key()] = index;
    }
    return colours;
}

void StoreSourceColour(const HolidaySource& source, std::int32_t index)
{
    SettingsEditLock lock;
    QJsonObject object;
    for (const auto& [sourceKey, colour] : StoredSourceColours())
        object.insert(sourceKey, colour);
    object.insert(source.Key(), index);
    WriteSettings({{QString::fromLatin1(key::SourceColors),
                    QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact))}});
}

std::vector<HolidaySource> KnownHolidaySources()
{
    std::vector<HolidaySource> sources{HolidaySource::Lists()};
    const auto add = [&](const HolidaySource& source) {
        if (std::find(sources.begin(), sources.end(), source) == sources.end())
            sources.push_back(source);
    };
    for (const HolidayRule& rule : RuleHolidays())
        add(rule.source);
    try {
        for (const world::WorldSource& place : world::StoredWorldSources()) {
            const QString title = world::SourceTitle(place);
            for (const QString& kind : place.kinds) {
                HolidaySource source = HolidaySource::Country(place.code, kind);
                source.name = title;
                add(source);
            }
        }
    } catch (...) {
        // Damaged world choices are reported where the calendar is made; their colours wait.
    }
    try {
        for (const StoredCalendar& calendar : StoredCalendars())
            add(HolidaySource::Calendar(calendar.name));
    } catch (...) {
        // A damaged calendar list is reported where calendars are generated; its colours wait.
    }
    return sources;
}

std::int32_t StoredWeekendColour()
{
    // No weekend colour stored means none, without the notice a bad value gives.
    QString weekend;
    try {
        weekend = ReadSetting(QString::fromLatin1(key::WeekendColor), QString());
    } catch (...) {
    }
    return weekend.trimmed().isEmpty() ? kNoColorIndex : ColourOrNone(key::WeekendColor);
}

HolidayColours HolidayColours::Stored()
{
    HolidayColours colours;
    colours.chosen_ = StoredSourceColours();
    return colours;
}

std::int32_t HolidayColours::Lists()
{
    if (!lists_)
        lists_ = ColourOrNone(key::HolidaysColor);
    return *lists_;
}

std::int32_t HolidayColours::FillOf(const HolidaySource& source)
{
    const auto known = std::find_if(used_.begin(), used_.end(), [&](const auto& u) { return u.first == source; });
    if (known != used_.end())
        return known->second;
    std::int32_t fill = source.origin == HolidaySource::Origin::Lists ? Lists() : kNoColorIndex;
    if (source.origin != HolidaySource::Origin::Lists) {
        const auto chosen = chosen_.find(source.Key());
        if (chosen != chosen_.end()) {
            fill = chosen->second;
        } else {
            // The first light colour no source of this calendar has yet, nor the lists' own.
            const auto taken = [&](std::int32_t index) {
                return index == Lists() || std::any_of(used_.begin(), used_.end(),
                                                      [&](const auto& u) { return u.second == index; });
            };
            const auto free = std::find_if(std::begin(kSourceFills), std::end(kSourceFills),
                                           [&](std::int32_t index) { return !taken(index); });
            fill = free != std::end(kSourceFills) ? *free : kSourceFills[used_.size() % std::size(kSourceFills)];
        }
    }
    used_.emplace_back(source, fill);
    return fill;
}

}  // namespace morvessa
