#pragma once
// What the fixed and floating holiday dialogs share: the editor state, the validation message
// sink, the Save and Close buttons and the first load steps.

#include <QDialog>
#include <QRect>
#include <QString>
#include <functional>

#include "dialogs/HolidayEditorState.h"

class QPushButton;

namespace morvessa {

class ErrorTrap;

// Shows one validation message; the program uses ShowValidationMessage, tests record the text.
using ValidationMessageSink = std::function<void(QWidget* parent, const QString& text)>;

// Names and places a new child widget.
template <typename Widget>
Widget* Place(Widget* widget, const char* name, QRect geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

class HolidayDialogBase : public QDialog {
    Q_OBJECT
public:
    // Replaces the message box used for refused input (tests observe the text without a box).
    void SetValidationMessageSink(ValidationMessageSink sink);

protected:
    HolidayDialogBase(HolidayEditorState& state, QWidget* parent);

    // Creates PushButton8 ("Save") and PushButton6 ("Close") in `frame` and wires them to the
    // dialog's handlers.
    void AddSaveAndCloseButtons(QWidget* frame, QRect saveGeometry, QRect closeGeometry);

    // Load steps 100 to 104: face colour, window icon, hand cursor on the buttons.
    void RunCommonLoadSteps(ErrorTrap& trap);

    virtual void SaveClicked() = 0;   // Save
    virtual void CloseClicked() = 0;  // Close

    HolidayEditorState& state_;
    ValidationMessageSink showMessage_;

    QPushButton* saveButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace morvessa
