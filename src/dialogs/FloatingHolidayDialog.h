#pragma once
// The modal dialog that adds one floating-date holiday (name, month, weekday, occurrence).

#include "core/ErrorTrap.h"
#include "dialogs/HolidayDialogBase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace morvessa {

namespace location {
MORVESSA_LOCATION(frmFloatingHolidays_Form_Load, "frmFloatingHolidays.Form_Load")
MORVESSA_LOCATION(frmFloatingHolidays_PushButton6_Click, "frmFloatingHolidays.PushButton6_Click")
MORVESSA_LOCATION(frmFloatingHolidays_PushButton8_Click, "frmFloatingHolidays.PushButton8_Click")
}  // namespace location

class FloatingHolidayDialog : public HolidayDialogBase {
    Q_OBJECT
public:
    FloatingHolidayDialog(HolidayEditorState& state, QWidget* parent);

private:
    void Form_Load();
    void SaveClicked() override;   // "frmFloatingHolidays.PushButton8_Click"
    void CloseClicked() override;  // "frmFloatingHolidays.PushButton6_Click"

    // Object names: Frame1 holidayFrame_, Label6 nameLabel_, Text6 nameBox_, Label4 monthLabel_,
    // cmbMonth1 monthBox_, Label5 weekdayLabel_, List1 weekdayList_, Label7 occurrenceLabel_,
    // List2 occurrenceList_ (and the base's PushButton8 saveButton_, PushButton6 closeButton_).
    QGroupBox* holidayFrame_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QLabel* monthLabel_ = nullptr;
    QComboBox* monthBox_ = nullptr;
    QLabel* weekdayLabel_ = nullptr;
    QListWidget* weekdayList_ = nullptr;
    QLabel* occurrenceLabel_ = nullptr;
    QListWidget* occurrenceList_ = nullptr;
};

}  // namespace morvessa
