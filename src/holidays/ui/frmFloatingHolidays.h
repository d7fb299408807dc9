#pragma once
// The modal dialog that adds one floating-date holiday (name, month, weekday, occurrence).

#include <QDialog>

#include "holidays/ui/HolidayEditorState.h"
#include "holidays/ui/frmFixedHolidays.h"  // ValidationMessageSink

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace morvessa {

class frmFloatingHolidays : public QDialog {
    Q_OBJECT
public:
    frmFloatingHolidays(HolidayEditorState& state, QWidget* parent);

    // Replaces the message box used for missing or refused input.
    void SetValidationMessageSink(ValidationMessageSink sink);

private:
    void Form_Load();
    void PushButton8_Click();  // Save
    void PushButton6_Click();  // Close

    HolidayEditorState& state_;
    ValidationMessageSink showMessage_;

    QGroupBox* Frame1_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLineEdit* Text6_ = nullptr;  // name
    QLabel* Label4_ = nullptr;
    QComboBox* cmbMonth1_ = nullptr;
    QLabel* Label5_ = nullptr;
    QListWidget* List1_ = nullptr;  // weekday
    QLabel* Label7_ = nullptr;
    QListWidget* List2_ = nullptr;  // occurrence
    QPushButton* PushButton8_ = nullptr;
    QPushButton* PushButton6_ = nullptr;
};

}  // namespace morvessa
