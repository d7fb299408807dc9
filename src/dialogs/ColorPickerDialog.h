#pragma once
// The modal colour picker: one of the 56 palette colours or none, exchanged with its opener
// through CurrentColorIndex.

#include "core/ErrorTrap.h"
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

namespace morvessa {

namespace location {
MORVESSA_LOCATION(frmColor_Form_Load, "frmColor.Form_Load")
MORVESSA_LOCATION(frmColor_btnSave_Click, "frmColor.btnSave_Click")
MORVESSA_LOCATION(frmColor_btnCancel_Click, "frmColor.btnCancel_Click")
}  // namespace location

class ColorSwatch;

class ColorPickerDialog : public QDialog {
    Q_OBJECT
public:
    // `caption` names the colour being edited; empty keeps the generic title.
    explicit ColorPickerDialog(QWidget* parent, const QString& caption = {});

private:
    void Form_Load();
    void HScroll1_Change();
    void PushButton1_Click();  // Save
    void PushButton2_Click();  // Cancel

    ColorSwatch* shpColor_ = nullptr;
    QLabel* Label1_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QLabel* Image1_ = nullptr;
    QPushButton* PushButton1_ = nullptr;
    QPushButton* PushButton2_ = nullptr;
};

}  // namespace morvessa
