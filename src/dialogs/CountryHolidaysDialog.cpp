#include "dialogs/CountryHolidaysDialog.h"

#include <QCoreApplication>

#include "holidays/HolidayEditing.h"

#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace morvessa {

namespace {

// The English names of the built-in country files, for the translations.
[[maybe_unused]] const char* const kCountryNames[] = {
    QT_TRANSLATE_NOOP("CountryNames", "Argentina"),      QT_TRANSLATE_NOOP("CountryNames", "Australia"),
    QT_TRANSLATE_NOOP("CountryNames", "Austria"),        QT_TRANSLATE_NOOP("CountryNames", "Belgium"),
    QT_TRANSLATE_NOOP("CountryNames", "Brazil"),         QT_TRANSLATE_NOOP("CountryNames", "Canada"),
    QT_TRANSLATE_NOOP("CountryNames", "Czech Republic"), QT_TRANSLATE_NOOP("CountryNames", "Denmark"),
    QT_TRANSLATE_NOOP("CountryNames", "Finland"),        QT_TRANSLATE_NOOP("CountryNames", "France"),
    QT_TRANSLATE_NOOP("CountryNames", "Germany"),        QT_TRANSLATE_NOOP("CountryNames", "Ireland"),
    QT_TRANSLATE_NOOP("CountryNames", "Italy"),          QT_TRANSLATE_NOOP("CountryNames", "Mexico"),
    QT_TRANSLATE_NOOP("CountryNames", "Netherlands"),    QT_TRANSLATE_NOOP("CountryNames", "New Zealand"),
    QT_TRANSLATE_NOOP("CountryNames", "Norway"),         QT_TRANSLATE_NOOP("CountryNames", "Poland"),
    QT_TRANSLATE_NOOP("CountryNames", "Portugal"),       QT_TRANSLATE_NOOP("CountryNames", "Spain"),
    QT_TRANSLATE_NOOP("CountryNames", "Sweden"),         QT_TRANSLATE_NOOP("CountryNames", "Switzerland"),
    QT_TRANSLATE_NOOP("CountryNames", "United Kingdom"), QT_TRANSLATE_NOOP("CountryNames", "United States")};

}  // namespace

CountryHolidaysDialog::CountryHolidaysDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CountryHolidaysDialog"));
    setWindowTitle(tr("Add a Country's Holidays"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    country_ = new QComboBox(this);
    country_->setObjectName(QStringLiteral("Country"));
    // Named in the program's language (the file's English name where no translation has it) and
    // sorted as that language sorts.
    std::vector<std::pair<QString, QString>> countries;
    for (const QString& code : CountryCodes()) {
        try {
            const CountryPreset preset = LoadCountryPreset(code);
            countries.emplace_back(
                QCoreApplication::translate("CountryNames", preset.englishName.toUtf8().constData()), code);
        } catch (const HolidayRuleError&) {
            // A damaged built-in file is not offered; the tests check every file.
        }
    }
    QCollator collator;
    std::sort(countries.begin(), countries.end(), [&](const auto& a, const auto& b) {
        const int order = collator.compare(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    for (const auto& [name, code] : countries)
        country_->addItem(QStringLiteral("%1 (%2)").arg(name, code), code);

    local_ = new QRadioButton(tr("&Local names"), this);
    local_->setObjectName(QStringLiteral("LocalNames"));
    english_ = new QRadioButton(tr("&English names"), this);
    english_->setObjectName(QStringLiteral("EnglishNames"));
    local_->setChecked(true);
    auto* names = new QHBoxLayout;
    names->addWidget(local_);
    names->addWidget(english_);

    auto* form = new QFormLayout;
    form->addRow(tr("&Country:"), country_);
    form->addRow(tr("Names:"), names);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool CountryHolidaysDialog::SelectCountry(const QString& code)
{
    const int index = country_->findData(code.toUpper());
    if (index < 0)
        return false;
    country_->setCurrentIndex(index);
    return true;
}

QString CountryHolidaysDialog::SelectedCode() const
{
    return country_->currentData().toString();
}

void CountryHolidaysDialog::UseEnglishNames(bool english)
{
    (english ? english_ : local_)->setChecked(true);
}

PresetNames CountryHolidaysDialog::Names() const
{
    return english_->isChecked() ? PresetNames::English : PresetNames::Local;
}

QString AddCountryToRuleHolidays(const QString& code, PresetNames names)
{
    const CountryPreset country = LoadCountryPreset(code);
    ProgramHolidayUndo().Remember(QStringLiteral("Add Country"));
    std::vector<HolidayRule> rules = RuleHolidays();
    const AddedHolidays added = AddCountryHolidays(rules, country, names);
    if (added.added == 0) {
        ProgramHolidayUndo().Forget();
    } else {
        const std::vector<HolidayRule> before = RuleHolidays();
        RuleHolidays() = std::move(rules);
        try {
            SaveRuleHolidays();
        } catch (...) {
            RuleHolidays() = before;
            ProgramHolidayUndo().Forget();
            throw;
        }
    }
    // English plurals are written out so that the text stays as it was without a translation.
    QString text =
        (added.added == 1 ? QCoreApplication::translate("CountryHolidays", "Added %1 holiday of %3")
                          : QCoreApplication::translate("CountryHolidays", "Added %1 holidays of %3"))
            .arg(added.added)
            .arg(country.englishName);
    if (added.skipped > 0)
        text +=
            (added.skipped == 1 ? QCoreApplication::translate("CountryHolidays", "; %1 was already there")
                                : QCoreApplication::translate("CountryHolidays", "; %1 were already there"))
                .arg(added.skipped);
    return text + u'.';
}

}  // namespace morvessa
