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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void ColourScrolled();
    void SaveClicked();    // "frmColor.btnSave_Click"
    void CancelClicked();  // "frmColor.btnCancel_Click"

    // Object names: shpColor swatch_, Label1 noColourLabel_, HScroll1 colourScrollBar_,
    // Image1 paletteStrip_, PushButton1 saveButton_, PushButton2 cancelButton_.
    ColorSwatch* swatch_ = nullptr;
    QLabel* noColourLabel_ = nullptr;
    QScrollBar* colourScrollBar_ = nullptr;
    QLabel* paletteStrip_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace morvessa
