#pragma once
// Adds or edits one holiday of any kind: its name, the kind of rule with the fields that kind uses,
// and the years it is in force. The line below the fields says the rule in words, or what is wrong.

#include "holidays/HolidayRules.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace morvessa {

class RuleHolidayDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from `rule` (a new holiday: a fixed date on 1 January without a name).
    explicit RuleHolidayDialog(const HolidayRule& rule, QWidget* parent = nullptr);

    // The rule the fields describe; throws HolidayRuleError when they do not make one.
    HolidayRule Rule() const;
    // Shows `rule` in the fields.
    void SetRule(const HolidayRule& rule);

    // OK: closes with Accepted when the fields make a rule with a name, else says why and stays.
    void accept() override;

    // The message line (the rule in words, or what is wrong).
    QString MessageText() const;

private:
    void UpdateFields();
    QString ProblemInWords() const;
    QString YearsProblemInWords() const;
    QString CheckedDescription() const;

    QLineEdit* name_ = nullptr;
    QComboBox* kind_ = nullptr;
    QComboBox* month_ = nullptr;
    QSpinBox* day_ = nullptr;
    QSpinBox* year_ = nullptr;
    QComboBox* weekday_ = nullptr;
    QComboBox* occurrence_ = nullptr;
    QSpinBox* offset_ = nullptr;
    QComboBox* observed_ = nullptr;
    QSpinBox* firstYear_ = nullptr;
    QSpinBox* lastYear_ = nullptr;
    QLabel* message_ = nullptr;
    QFormLayout* form_ = nullptr;
};

}  // namespace morvessa
