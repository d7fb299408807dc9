#pragma once
// The fill colour of each holiday source and of weekends. The program's own lists keep the
// "HolidaysColor" setting; every other source has the colour the user chose for it ("SourceColors",
// a JSON object of source key to palette index), else the next unused one of a row of light
// colours, in the order the sources are first met. Weekends are filled with "WeekendColor"
// (default none).

#include "holidays/HolidaySource.h"

#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace morvessa {

namespace key {
inline constexpr const char* SourceColors = "SourceColors";
inline constexpr const char* WeekendColor = "WeekendColor";
}  // namespace key

class HolidayColours {
public:
    // The colours as stored now; a damaged value counts as no choice.
    static HolidayColours Stored();

    // The palette index (1..56) of the source's fill, or kNoColorIndex for none. A source met for
    // the first time takes its colour now and keeps it.
    std::int32_t FillOf(const HolidaySource& source);

    // Each source given a colour so far, in the order they were met.
    const std::vector<std::pair<HolidaySource, std::int32_t>>& Used() const { return used_; }

private:
    std::int32_t Lists();

    // Read when first needed, as marking always read it: the read also sets the colour under edit.
    std::optional<std::int32_t> lists_;
    std::map<QString, std::int32_t> chosen_;  // by source key
    std::vector<std::pair<HolidaySource, std::int32_t>> used_;
};

// Every source the stored holidays come from: the program's lists first, then each source of the
// rule holidays, each kind of each chosen place and each imported calendar, once each, in the order
// stored.
std::vector<HolidaySource> KnownHolidaySources();

// The weekend's fill: the stored "WeekendColor", or kNoColorIndex when none is stored.
std::int32_t StoredWeekendColour();

// The stored choices of SourceColors, by source key; damaged text gives none.
std::map<QString, std::int32_t> StoredSourceColours();
// Stores the colour of one source beside the others (throws SettingsStoreError).
void StoreSourceColour(const HolidaySource& source, std::int32_t index);

}  // namespace morvessa
