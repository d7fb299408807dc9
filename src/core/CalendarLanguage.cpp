#include "core/CalendarLanguage.h"

#include "core/CalendarNames.h"

#include <QDate>
#include <QTranslator>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace morvessa {

namespace {

// English month and weekday names are the program's own vocabulary (core/CalendarNames).
constexpr std::array<const char*, 7> kEnglishLetters = {"S", "M", "T", "W", "T", "F", "S"};

constexpr int kSheetNameLimit = 31;

void CheckMonth(int month)
{
    if (month < 1 || month > 12)
        throw std::out_of_range("Subscript out of range");
}

void CheckWeekday(int weekday)
{
    if (weekday < 1 || weekday > 7)
        throw std::out_of_range("Subscript out of range");
}

// QLocale counts Monday = 1 .. Sunday = 7.
int QtDayOfWeek(int weekday)
{
    return weekday == 1 ? 7 : weekday - 1;
}

QString CapitaliseFirst(const QLocale& locale, const QString& text)
{
    if (text.isEmpty())
        return text;
    // Surrogate pairs and letters that grow when capitalised are handled by the locale's toUpper.
    const qsizetype firstLength = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return locale.toUpper(text.left(firstLength)) + text.mid(firstLength);
}

// One piece of a QLocale date format: a field (a run of one pattern letter) or literal text.
struct FormatPiece {
    bool field;
    QString text;
};

std::vector<FormatPiece> SplitDateFormat(const QString& format)
{
    std::vector<FormatPiece> pieces;
    const auto addLiteral = [&](const QString& text) {
        if (!pieces.empty() && !pieces.back().field)
            pieces.back().text += text;
        else
            pieces.push_back({false, text});
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted text; '' is a quote of its own.
            qsizetype end = i + 1;
            QString literal;
            while (end < format.size()) {
                if (format.at(end) == u'\'') {
                    if (end + 1 < format.size() && format.at(end + 1) == u'\'') {
                        literal += u'\'';
                        end += 2;
                        continue;
                    }
                    break;
                }
                literal += format.at(end++);
            }
            addLiteral(end == i + 1 && end < format.size() && format.at(end) == u'\'' ? QStringLiteral("'")
                                                                                      : literal);
            i = end + 1;
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == c)
                ++end;
            pieces.push_back({true, format.mid(i, end - i)});
            i = end;
        } else {
            addLiteral(QString(c));
            ++i;
        }
    }
    return pieces;
}

bool IsMonthOrYear(const FormatPiece& piece)
{
    return piece.field && (piece.text.front() == u'M' || piece.text.front() == u'y');
}

}  // namespace

CalendarLanguage CalendarLanguage::ForLocale(const QLocale& locale)
{
    return CalendarLanguage(locale);
}

std::optional<CalendarLanguage> CalendarLanguage::FromSetting(const QString& setting)
{
    const QString name = setting.trimmed();
    if (name.isEmpty())
        return English();
    if (name.compare(kSystemSetting, Qt::CaseInsensitive) == 0)
        return ForLocale(QLocale::system());
    const QLocale locale(name);
    // QLocale falls back to "C" for a name it does not know; only "C" itself may ask for that.
    if (locale.language() == QLocale::C && name != QLatin1String("C"))
        return std::nullopt;
    return ForLocale(locale);
}

QLocale CalendarLanguage::Locale() const
{
    return locale_ ? *locale_ : QLocale(QLocale::English, QLocale::UnitedStates);
}

std::string CalendarLanguage::MonthName(int month) const
{
    CheckMonth(month);
    if (!locale_)
        return morvessa::MonthName(month);
    QString name = CapitaliseFirst(*locale_, locale_->standaloneMonthName(month, QLocale::LongFormat));
    // Characters the .xls sheet names refuse.
    for (QChar& c : name)
        if (QStringView(u":\\/?*[]").contains(c))
            c = u'_';
    return name.left(kSheetNameLimit).toStdString();
}

std::string CalendarLanguage::MonthTitle(int year, int month) const
{
    CheckMonth(month);
    if (!locale_)
        return morvessa::MonthName(month) + " " + std::to_string(year);

    // The month and year fields of the locale's long date format, with what stands between and
    // after them: "MMMM yyyy" (German), "yyyy. MMMM" (Hungarian), "yyyy年M月" (Japanese).
    const std::vector<FormatPiece> pieces = SplitDateFormat(locale_->dateFormat(QLocale::LongFormat));
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (IsMonthOrYear(pieces[i]))
            kept.push_back(i);
    QString monthField = QStringLiteral("MMMM");
    QString yearField = QStringLiteral("yyyy");
    bool yearFirst = false;
    QString between = QStringLiteral(" ");
    QString after;
    for (std::size_t i : kept)
        (pieces[i].text.front() == u'M' ? monthField : yearField) = pieces[i].text;
    if (kept.size() == 2) {
        yearFirst = pieces[kept[0]].text.front() == u'y';
        QString literal;
        bool fieldBetween = false;
        for (std::size_t i = kept[0] + 1; i < kept[1]; ++i) {
            fieldBetween = fieldBetween || pieces[i].field;
            if (!pieces[i].field)
                literal += pieces[i].text;
        }
        // A day between month and year ("MMMM d, yyyy") leaves only a blank between them.
        if (!fieldBetween)
            between = literal;
        if (kept[1] + 1 < pieces.size() && !pieces[kept[1] + 1].field)
            after = pieces[kept[1] + 1].text;
        while (!after.isEmpty() && (after.back().isSpace() || after.back() == u','))
            after.chop(1);
    }

    const QDate date(year, month, 1);
    QString monthText;
    if (monthField.size() >= 4)
        monthText = locale_->standaloneMonthName(month, QLocale::LongFormat);
    else if (monthField.size() == 3)
        monthText = locale_->standaloneMonthName(month, QLocale::ShortFormat);
    else
        monthText = locale_->toString(date, monthField);
    const QString yearText =
        locale_->toString(date, yearField.size() == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"));
    const QString title =
        yearFirst ? yearText + between + monthText + after : monthText + between + yearText + after;
    // A title starts with a capital ("Janvier 2027"); a month after the year keeps its own case.
    return CapitaliseFirst(*locale_, title.trimmed()).toStdString();
}

std::string CalendarLanguage::WeekdayName(int weekday) const
{
    CheckWeekday(weekday);
    if (!locale_)
        return morvessa::WeekdayName(weekday);
    return CapitaliseFirst(*locale_, locale_->standaloneDayName(QtDayOfWeek(weekday), QLocale::LongFormat))
        .toStdString();
}

std::string CalendarLanguage::WeekdayLetter(int weekday) const
{
    CheckWeekday(weekday);
    if (!locale_)
        return kEnglishLetters[std::size_t(weekday - 1)];
    return CapitaliseFirst(*locale_, locale_->standaloneDayName(QtDayOfWeek(weekday), QLocale::NarrowFormat))
        .toStdString();
}

int CalendarLanguage::WeekStart() const
{
    if (!locale_)
        return 1;
    const int qtDay = static_cast<int>(locale_->firstDayOfWeek());
    return qtDay == 7 ? 1 : qtDay + 1;
}

bool CalendarLanguage::IsWeekend(int weekday) const
{
    CheckWeekday(weekday);
    if (!locale_)
        return weekday == 1 || weekday == 7;
    return !locale_->weekdays().contains(static_cast<Qt::DayOfWeek>(QtDayOfWeek(weekday)));
}

QString CalendarLanguage::Word(const char* english) const
{
    if (!locale_)
        return QString::fromUtf8(english);
    // One translator per language, loaded on first use and kept: a calendar asks for its words
    // hundreds of times, from the batch tool's threads too.
    static std::mutex guard;
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    const std::lock_guard lock(guard);
    std::unique_ptr<QTranslator>& translator = loaded[locale_->name()];
    if (!translator) {
        translator = std::make_unique<QTranslator>();
        // Without a file for the language the translator stays empty and the words as written.
        (void)translator->load(*locale_, QStringLiteral("morvessa"), QStringLiteral("_"),
                               QString::fromLatin1(kTranslationsFolder));
    }
    const QString word = translator->translate("CalendarWords", english);
    return word.isEmpty() ? QString::fromUtf8(english) : word;
}

}  // namespace morvessa
