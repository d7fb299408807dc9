#include "calendar/PlacementReasons.h"

#include "core/ProgramTranslation.h"

#include <QCoreApplication>
#include <QLocale>

namespace morvessa {

namespace {

constexpr const char* kContext = "ErrorReport";

QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString Filled(const char* pattern, const QStringList& values)
{
    return FillPlaceholders(Tr(pattern), values);
}

// "31st", "22nd", "5th" in English; the translation gives its own form ("31.", "31e", "5º").
QString Ordinal(int n)
{
    if (n == 1)
        return Tr(QT_TRANSLATE_NOOP("ErrorReport", "1st"));
    //: An ordinal number, such as the 31st (day) or the 5th (Friday)
    const char* pattern = QT_TRANSLATE_NOOP("ErrorReport", "%1th");
    const int lastTwo = n % 100;
    if (lastTwo < 11 || lastTwo > 13) {
        if (n % 10 == 1)
            pattern = QT_TRANSLATE_NOOP("ErrorReport", "%1st");
        else if (n % 10 == 2)
            pattern = QT_TRANSLATE_NOOP("ErrorReport", "%1nd");
        else if (n % 10 == 3)
            pattern = QT_TRANSLATE_NOOP("ErrorReport", "%1rd");
    }
    return FillPlaceholders(Tr(pattern), {QString::number(n)});
}

// "February 2026", "Februar 2026", "febrero de 2026": the month as it stands in a sentence.
QString MonthOfYear(const QLocale& locale, int year, int month)
{
    //: A month and its year, as a sentence names them (%1 the month, %2 the year)
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "%1 %2"), {locale.standaloneMonthName(month), QString::number(year)});
}

// 1 = Sunday .. 7 = Saturday, as the lists store it; Qt counts from Monday.
QString WeekdayName(const QLocale& locale, int weekday)
{
    return locale.dayName(weekday == 1 ? 7 : weekday - 1);
}

}  // namespace

QString MonthNotANumberReason(const QString& text)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "its month \"%1\" is not a number from 1 to 12"), {text});
}

QString DayNotANumberReason(const QString& text)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "its day \"%1\" is not a whole number"), {text});
}

QString WeekdayNotANumberReason(const QString& text)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "its day of the week \"%1\" is none of Sunday to Saturday"),
                  {text});
}

QString OccurrenceNotANumberReason(const QString& text)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "its occurrence \"%1\" is none of 1st to 5th or Last"), {text});
}

QString NoSuchMonthReason(int month)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "there is no month %1 (the months are 1 to 12)"),
                  {QString::number(month)});
}

QString NoSuchWeekdayReason(int weekday)
{
    return WeekdayNotANumberReason(QString::number(weekday));
}

QString NoSuchDayReason(int year, int month, int day)
{
    if (day < 1 || month < 1 || month > 12)
        return Filled(QT_TRANSLATE_NOOP("ErrorReport", "its day %1 is not a day of any month"),
                      {QString::number(day)});
    // %1 the month and year, %2 the day as an ordinal, %3 the day's number.
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "%1 has no %2 day"),
                  {MonthOfYear(MessageLocale(), year, month), Ordinal(day), QString::number(day)});
}

QString NoSuchOccurrenceReason(int year, int month, int weekday, int occurrence)
{
    if (occurrence < 1)
        return OccurrenceNotANumberReason(QString::number(occurrence));
    const QLocale locale = MessageLocale();
    // %1 the month and year, %2 the occurrence as an ordinal, %3 the weekday, %4 the occurrence's number.
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "%1 has no %2 %3"),
                  {MonthOfYear(locale, year, month), Ordinal(occurrence), WeekdayName(locale, weekday),
                   QString::number(occurrence)});
}

std::string UnplaceableHolidayReport(const QString& name, const QString& reason)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "The holiday \"%1\" cannot be placed: %2."), {name, reason})
        .toStdString();
}

std::string UnplaceableEventReport(const QString& name, const QString& reason)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "The event \"%1\" cannot be placed: %2."), {name, reason})
        .toStdString();
}

std::string UnplaceableRulesReport(const QString& reason)
{
    return Filled(QT_TRANSLATE_NOOP("ErrorReport", "The rule holidays cannot be placed: %1."), {reason})
        .toStdString();
}

}  // namespace morvessa
