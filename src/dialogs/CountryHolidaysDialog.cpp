#include "dialogs/CountryHolidaysDialog.h"

#include "holidays/HolidayEditing.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace morvessa {

CountryHolidaysDialog::CountryHolidaysDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CountryHolidaysDialog"));
    setWindowTitle(QStringLiteral("Add a Country's Holidays"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    country_ = new QComboBox(this);
    country_->setObjectName(QStringLiteral("Country"));
    // Sorted by the English name the user reads.
    std::vector<std::pair<QString, QString>> countries;
    for (const QString& code : CountryCodes()) {
        try {
            const CountryPreset preset = LoadCountryPreset(code);
            countries.emplace_back(preset.englishName, code);
        } catch (const HolidayRuleError&) {
            // A damaged built-in file is not offered; the tests check every file.
        }
    }
    std::sort(countries.begin(), countries.end());
    for (const auto& [name, code] : countries)
        country_->addItem(QStringLiteral("%1 (%2)").arg(name, code), code);

    local_ = new QRadioButton(QStringLiteral("&Local names"), this);
    local_->setObjectName(QStringLiteral("LocalNames"));
    english_ = new QRadioButton(QStringLiteral("&English names"), this);
    english_->setObjectName(QStringLiteral("EnglishNames"));
    local_->setChecked(true);
    auto* names = new QHBoxLayout;
    names->addWidget(local_);
    names->addWidget(english_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Country:"), country_);
    form->addRow(QStringLiteral("Names:"), names);
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
    QString text = QStringLiteral("Added %1 holiday%2 of %3")
                       .arg(added.added)
                       .arg(added.added == 1 ? QString() : QStringLiteral("s"))
                       .arg(country.englishName);
    if (added.skipped > 0)
        text += QStringLiteral("; %1 %2 already there")
                    .arg(added.skipped)
                    .arg(added.skipped == 1 ? "was" : "were");
    return text + u'.';
}

}  // namespace morvessa
