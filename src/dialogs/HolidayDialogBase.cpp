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
    PushButton8_ = MakePushButton(QStringLiteral("PushButton8"), tr("Save"), frame);
    PushButton8_->setGeometry(saveGeometry);
    PushButton6_ = MakePushButton(QStringLiteral("PushButton6"), tr("Close"), frame);
    PushButton6_->setGeometry(closeGeometry);
    // Enter saves from any box; Esc closes (QDialog's own reject).
    PushButton8_->setDefault(true);

    connect(PushButton8_, &QPushButton::clicked, this, [this] { PushButton8_Click(); });
    connect(PushButton6_, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
}

void HolidayDialogBase::RunCommonLoadSteps(ErrorTrap& trap)
{
    trap.Step(100, [&] { UseSystemFaceColour(this); });
    trap.Step(102, [&] { setWindowIcon(ApplicationIcon()); });
    trap.Step(104, [&] {
        ApplyHandCursor(PushButton8_);
        ApplyHandCursor(PushButton6_);
    });
}

}  // namespace morvessa
