#pragma once
// The modal dialog that adds one floating-date holiday (name, month, weekday, occurrence).

#include "holidays/ui/HolidayDialogBase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace morvessa {

class frmFloatingHolidays : public HolidayDialogBase {
    Q_OBJECT
public:
    frmFloatingHolidays(HolidayEditorState& state, QWidget* parent);

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
