#pragma once
// Small widget helpers shared by the settings dialogs.

#include <QSize>

class QDialog;
class QLineEdit;
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

}  // namespace morvessa
