#include "dialogs/HolidayDialogBase.h"

#include "widgets/DialogWidgets.h"
#include "widgets/UiRoutines.h"
#include "core/ErrorTrap.h"

#include <QPushButton>

namespace morvessa {

HolidayDialogBase::HolidayDialogBase(HolidayEditorState& state, QWidget* parent)
    : QDialog(parent), state_(state), showMessage_(&ShowValidationMessage)
{
}

void HolidayDialogBase::SetValidationMessageSink(ValidationMessageSink sink)
{
    showMessage_ = std::move(sink);
}

void HolidayDialogBase::AddSaveAndCloseButtons(QWidget* frame, QRect saveGeometry, QRect closeGeometry)
{
    saveButton_ = MakePushButton(QStringLiteral("PushButton8"), tr("Save"), frame);
    saveButton_->setGeometry(saveGeometry);
    closeButton_ = MakePushButton(QStringLiteral("PushButton6"), tr("Close"), frame);
    closeButton_->setGeometry(closeGeometry);
    // Enter saves from any box; Esc closes (QDialog's own reject).
    saveButton_->setDefault(true);

    connect(saveButton_, &QPushButton::clicked, this, [this] { SaveClicked(); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { CloseClicked(); });
}

void HolidayDialogBase::RunCommonLoadSteps(ErrorTrap& trap)
{
    trap.Step(100, [&] { UseSystemFaceColour(this); });
    trap.Step(102, [&] { setWindowIcon(ApplicationIcon()); });
    trap.Step(104, [&] {
        ApplyHandCursor(saveButton_);
        ApplyHandCursor(closeButton_);
    });
}

}  // namespace morvessa
