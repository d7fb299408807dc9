#pragma once
// Small widget helpers shared by the settings dialogs.

#include <QSize>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QString;
class QWidget;

namespace morvessa {

// A fixed-size modal dialog with a close button and no maximize or help button, in the dialogs'
// font; `clientSize` in pixels.
void SetUpFixedDialog(QDialog* dialog, const QString& caption, QSize clientSize);

// Selects the whole text of `edit` whenever it receives the focus, by keyboard or by mouse.
void SelectAllOnFocus(QLineEdit* edit);

// A push button in the push-button font that does not react to the Enter key of other controls.
QPushButton* MakePushButton(const QString& name, const QString& caption, QWidget* parent);

// The designed sizes were made for another font; these widen a control just enough for its text.
// Widens `combo` leftwards, its right edge kept, until its longest item fits its text field; its
// left edge stays right of `leftLimit` (pixels in its parent).
void FitComboToItems(QComboBox* combo, int leftLimit);
// The width `combo` needs for its longest item to fit its text field.
int ComboWidthForItems(QComboBox* combo);
// Widens `label` rightwards until its text fits, its right edge up to `rightLimit`.
void FitLabelToText(QLabel* label, int rightLimit);
// The width `list` needs for its longest item to show whole beside its vertical scroll bar.
int ListWidthForItems(QListWidget* list);
// Widens `list` rightwards until its longest item shows whole, its right edge up to `rightLimit`.
void FitListToItems(QListWidget* list, int rightLimit);

}  // namespace morvessa
