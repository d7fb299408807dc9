#pragma once
// "Add a country's holidays": a country, local or English names, and OK adds its national holidays to
// the rule holidays, skipping those already there (undoable as one step).

#include "holidays/CountryPresets.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace morvessa {

class CountryHolidaysDialog : public QDialog {
    Q_OBJECT
public:
    explicit CountryHolidaysDialog(QWidget* parent = nullptr);

    // Chooses a country by its code; false when it is not in the list.
    bool SelectCountry(const QString& code);
    QString SelectedCode() const;
    void UseEnglishNames(bool english);
    PresetNames Names() const;

private:
    QComboBox* country_ = nullptr;
    QRadioButton* local_ = nullptr;
    QRadioButton* english_ = nullptr;
};

// Adds the country's holidays to the rule holidays and saves (one undo step). Returns what the user
// reads afterwards: "Added 9 holidays of Germany; 2 were already there."
QString AddCountryToRuleHolidays(const QString& code, PresetNames names);

}  // namespace morvessa
