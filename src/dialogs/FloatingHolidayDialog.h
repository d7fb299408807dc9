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
    void PushButton8_Click() override;  // Save
    void PushButton6_Click() override;  // Close

    QGroupBox* Frame1_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLineEdit* Text6_ = nullptr;  // name
    QLabel* Label4_ = nullptr;
    QComboBox* cmbMonth1_ = nullptr;
    QLabel* Label5_ = nullptr;
    QListWidget* List1_ = nullptr;  // weekday
    QLabel* Label7_ = nullptr;
    QListWidget* List2_ = nullptr;  // occurrence
};

}  // namespace morvessa
