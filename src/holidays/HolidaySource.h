#pragma once
// Where a holiday comes from, so the calendar can colour and explain each source on its own: the
// program's own lists (fixed, floating, Easter and the rules typed in), a country or region with one
// kind of its holidays, or an imported calendar. Whatever supplies holidays fills one in; a source
// is known by its key, under which its colour is stored.

#include "core/CalendarLanguage.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace morvessa {

// What the legend calls the program's own lists, in the calendar's language.
inline constexpr const char* kHolidaysWord = QT_TRANSLATE_NOOP("CalendarWords", "Holidays");

struct HolidaySource {
    enum class Origin { Lists, Country, Calendar };

    Origin origin = Origin::Lists;
    QString code;  // Country: "DE", "DE-BY", "GB-SCT"; Calendar: the calendar's name
    QString kind;  // Country: the kind of its holidays ("public", "bank", "observance", ...)
    QString name;  // what the legend calls it; empty: made from the code and kind

    static HolidaySource Lists() { return {}; }
    static HolidaySource Country(const QString& code, const QString& kind = QStringLiteral("public"));
    static HolidaySource Calendar(const QString& name);

    // "lists", "country:DE-BY:public", "calendar:Birthdays": stable, one line, for the settings.
    QString Key() const;
    // The source a key names; nullopt for text no key reads as.
    static std::optional<HolidaySource> FromKey(const QString& key);
    // The legend's words, in the calendar's language: "Holidays" for the lists, an imported
    // calendar's name, a place's name (else its code) with the kind of its holidays unless they
    // are the public ones: "DE-BY", "Bavaria (bank)".
    QString Label(const CalendarLanguage& language = CalendarLanguage::English()) const;

    // Two sources are the same when their keys are: the name only labels.
    friend bool operator==(const HolidaySource& a, const HolidaySource& b) { return a.Key() == b.Key(); }
};

}  // namespace morvessa
