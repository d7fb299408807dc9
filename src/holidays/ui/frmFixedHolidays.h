#pragma once
// The modal dialog that adds one fixed-date holiday (name, month, day).

#include <QDialog>
#include <functional>

#include "holidays/ui/HolidayEditorState.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morvessa {

// Shows one validation message; the program uses ShowValidationMessage, tests record the text.
using ValidationMessageSink = std::function<void(QWidget* parent, const QString& text)>;

class frmFixedHolidays : public QDialog {
    Q_OBJECT
public:
    frmFixedHolidays(HolidayEditorState& state, QWidget* parent);

    // Replaces the message box used for refused input (tests observe the text without a box).
    void SetValidationMessageSink(ValidationMessageSink sink);

private:
    void Form_Load();
    void PushButton8_Click();  // Save
    void PushButton6_Click();  // Close

    HolidayEditorState& state_;
    ValidationMessageSink showMessage_;

    QGroupBox* Frame1_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLineEdit* Text3_ = nullptr;  // name
    QLabel* Label4_ = nullptr;
    QComboBox* cmbMonth1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* Text2_ = nullptr;  // day
    QPushButton* PushButton8_ = nullptr;
    QPushButton* PushButton6_ = nullptr;
};

}  // namespace morvessa
