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
    void PushButton8_Click() override;  // Save
    void PushButton6_Click() override;  // Close

    QGroupBox* Frame1_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLineEdit* Text3_ = nullptr;  // name
    QLabel* Label4_ = nullptr;
    QComboBox* cmbMonth1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* Text2_ = nullptr;  // day
};

}  // namespace morvessa
