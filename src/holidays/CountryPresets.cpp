#include "holidays/CountryPresets.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace morvessa {

namespace {

const QString kFolder = QStringLiteral(":/holidays");

[[noreturn]] void FailLine(int line, const QString& why)
{
    throw HolidayRuleError(
        QStringLiteral("Line %1 of the country file: %2").arg(line).arg(why).toStdString());
}

}  // namespace

QStringList CountryCodes()
{
    QStringList codes;
    for (const QString& file : QDir(kFolder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        codes.append(file.chopped(4));
    return codes;
}

CountryPreset LoadCountryPreset(const QString& code)
{
    const QString upper = code.trimmed().toUpper();
    static const QRegularExpression twoLetters(QStringLiteral("^[A-Z]{2}$"));
    QFile file(kFolder + u'/' + upper + QStringLiteral(".txt"));
    if (!twoLetters.match(upper).hasMatch() || !file.open(QIODevice::ReadOnly))
        throw HolidayRuleError(QStringLiteral("No holidays are known for the country \"%1\"; known are: %2")
                                   .arg(code, CountryCodes().join(QStringLiteral(", ")))
                                   .toStdString());
    CountryPreset country = ParseCountryPreset(QString::fromUtf8(file.readAll()));
    if (country.code != upper)
        throw HolidayRuleError(QStringLiteral("The holiday file of %1 names the country %2")
                                   .arg(upper, country.code)
                                   .toStdString());
    return country;
}

CountryPreset ParseCountryPreset(const QString& text)
{
    CountryPreset country;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'|');
        for (QString& field : fields)
            field = field.trimmed();
        if (fields.size() != 3 || fields[1].isEmpty() || fields[2].isEmpty())
            FailLine(number, QStringLiteral("expected \"rule | local name | English name\""));
        if (fields[0].startsWith(QLatin1String("country "))) {
            if (!country.code.isEmpty())
                FailLine(number, QStringLiteral("a second country line"));
            country.code = fields[0].mid(8).trimmed();
            country.localName = fields[1];
            country.englishName = fields[2];
            continue;
        }
        if (country.code.isEmpty())
            FailLine(number, QStringLiteral("a holiday before the country line"));
        PresetHoliday holiday;
        try {
            holiday.rule = ParseRuleText(fields[0]);
        } catch (const HolidayRuleError& error) {
            FailLine(number, QString::fromUtf8(error.what()));
        }
        holiday.localName = fields[1];
        holiday.englishName = fields[2];
        holiday.rule.name = holiday.localName;
        country.holidays.push_back(std::move(holiday));
    }
    if (country.code.isEmpty())
        throw HolidayRuleError("The country file has no country line");
    return country;
}

AddedHolidays AddCountryHolidays(std::vector<HolidayRule>& rules, const CountryPreset& country,
                                 PresetNames names)
{
    AddedHolidays result;
    for (const PresetHoliday& holiday : country.holidays) {
        const QString text = RuleText(holiday.rule);
        const bool there = std::any_of(rules.begin(), rules.end(), [&](const HolidayRule& rule) {
            return (rule.name == holiday.localName || rule.name == holiday.englishName) &&
                   RuleText(rule) == text;
        });
        if (there) {
            ++result.skipped;
            continue;
        }
        HolidayRule rule = holiday.rule;
        rule.name = names == PresetNames::Local ? holiday.localName : holiday.englishName;
        rule.source = HolidaySource::Country(country.code);
        rule.source.name = names == PresetNames::Local ? country.localName : country.englishName;
        rules.push_back(std::move(rule));
        ++result.added;
    }
    return result;
}

}  // namespace morvessa
