#pragma once
// The modal dialog that adds one fixed-date holiday (name, month, day).

#include "holidays/ui/HolidayDialogBase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace morvessa {

class frmFixedHolidays : public HolidayDialogBase {
    Q_OBJECT
public:
    frmFixedHolidays(HolidayEditorState& state, QWidget* parent);

private:
    void Form_Load();
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
