#pragma once
// The modal dialog that adds one fixed-date holiday (name, month, day).

#include "core/ErrorTrap.h"
#include "dialogs/HolidayDialogBase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace morvessa {

namespace location {
MORVESSA_LOCATION(frmFixedHolidays_Form_Load, "frmFixedHolidays.Form_Load")
MORVESSA_LOCATION(frmFixedHolidays_PushButton6_Click, "frmFixedHolidays.PushButton6_Click")
MORVESSA_LOCATION(frmFixedHolidays_PushButton8_Click, "frmFixedHolidays.PushButton8_Click")
}  // namespace location

class FixedHolidayDialog : public HolidayDialogBase {
    Q_OBJECT
public:
    FixedHolidayDialog(HolidayEditorState& state, QWidget* parent);

private:
    void Form_Load();
    void FitMonthBox();
    void SaveClicked() override;   // "frmFixedHolidays.PushButton8_Click"
    void CloseClicked() override;  // "frmFixedHolidays.PushButton6_Click"

    // Object names: Frame1 holidayFrame_, Label6 nameLabel_, Text3 nameBox_, Label4 monthLabel_,
    // cmbMonth1 monthBox_, Label2 dayLabel_ (and the base's PushButton8 saveButton_, PushButton6
    // closeButton_).
    QGroupBox* holidayFrame_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QLabel* monthLabel_ = nullptr;
    QComboBox* monthBox_ = nullptr;
    QLabel* dayLabel_ = nullptr;
    QLineEdit* dayBox_ = nullptr;
};

}  // namespace morvessa
