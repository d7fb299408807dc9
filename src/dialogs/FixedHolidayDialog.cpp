#include "dialogs/FixedHolidayDialog.h"

#include "holidays/HolidayCatalogue.h"
#include "widgets/DialogLayout.h"
#include "widgets/DialogWidgets.h"
#include "dialogs/HolidayDialogModel.h"
#include "core/ErrorTrap.h"

#include <QComboBox>
#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace morvessa {

FixedHolidayDialog::FixedHolidayDialog(HolidayEditorState& state, QWidget* parent)
    : HolidayDialogBase(state, parent)
{
    setObjectName(QStringLiteral("frmFixedHolidays"));
    SetUpFixedDialog(this, tr("Fixed Date Holidays"), TwipsRect(0, 0, 3720, 2040).size());

    Frame1_ = Place(new QGroupBox(tr("Add new fixed date holiday"), this), "Frame1",
                    TwipsRect(120, 120, 3480, 1815));
    Label6_ = Place(new QLabel(tr("Holiday Name:"), Frame1_), "Label6", TwipsRect(240, 345, 1215, 255));
    Text3_ = Place(new QLineEdit(Frame1_), "Text3", TwipsRect(1560, 300, 1695, 345));
    Label4_ = Place(new QLabel(tr("Month:"), Frame1_), "Label4", TwipsRect(240, 765, 615, 255));
    cmbMonth1_ = Place(new QComboBox(Frame1_), "cmbMonth1", TwipsRect(840, 720, 1215, 345));
    Label2_ = Place(new QLabel(tr("Day:"), Frame1_), "Label2", TwipsRect(2160, 765, 375, 255));
    Text2_ = Place(new QLineEdit(Frame1_), "Text2", TwipsRect(2640, 720, 615, 345));
    AddSaveAndCloseButtons(Frame1_, TwipsRect(240, 1200, 1455, 405), TwipsRect(1800, 1200, 1455, 405));
    // Its colon shows: the label may take the gap before the name box.
    FitLabelToText(Label6_, Text3_->geometry().left() - 1);

    SelectAllOnFocus(Text3_);
    SelectAllOnFocus(Text2_);
    setTabOrder(Text3_, cmbMonth1_);
    setTabOrder(cmbMonth1_, Text2_);
    setTabOrder(Text2_, PushButton8_);
    setTabOrder(PushButton8_, PushButton6_);
    Text3_->setFocus();

    Form_Load();
}

// The longest month ("September") shows whole: the month box grows rightwards into the gap before
// "Day:"; where that is not enough, "Day:" and the day box give way, the day box keeping its right
// edge under the name box and room for two digits.
void FixedHolidayDialog::FitMonthBox()
{
    constexpr int kGapBeforeDay = 4;
    constexpr int kDayBoxNarrowest = 28;
    QRect month = cmbMonth1_->geometry();
    month.setWidth(std::max(month.width(), ComboWidthForItems(cmbMonth1_)));
    const int overlap = month.right() + kGapBeforeDay - Label2_->geometry().left();
    const int shift = std::clamp(overlap, 0, std::max(0, Text2_->width() - kDayBoxNarrowest));
    month.setRight(std::min(month.right(), Label2_->geometry().left() + shift - kGapBeforeDay));
    cmbMonth1_->setGeometry(month);
    if (shift > 0) {
        Label2_->move(Label2_->x() + shift, Label2_->y());
        Text2_->setGeometry(Text2_->geometry().adjusted(shift, 0, 0, 0));
    }
}

void FixedHolidayDialog::Form_Load()
{
    ErrorTrap trap(location::frmFixedHolidays_Form_Load);
    RunCommonLoadSteps(trap);
    trap.Step(106, [&] {
        cmbMonth1_->clear();
        cmbMonth1_->addItems(state_.MonthNames().mid(0, 12));
        cmbMonth1_->setCurrentIndex(-1);
        FitMonthBox();
    });
    trap.Step(108, [&] {
        Text2_->clear();
        Text3_->clear();
    });
}

void FixedHolidayDialog::PushButton8_Click()
{
    ErrorTrap trap(location::frmFixedHolidays_PushButton8_Click);
    const QString name = Text3_->text();
    const QString monthText = cmbMonth1_->currentText();
    const QString dayText = Text2_->text();

    // An empty field stops the save silently; a name or day that would harm the catalogue is
    // explained. Either way nothing is stored and the dialog stays open.
    bool accepted = false;
    trap.Step(100, [&] {
        const HolidayInputCheck check = CheckFixedHolidayInput(name, monthText, dayText, state_.MonthNames());
        if (!check.message.isEmpty())
            showMessage_(this, check.message);
        accepted = check.accepted();
    });
    if (!accepted)
        return;

    int row = 0;
    // Added to what is stored now and saved at once, so another copy's changes are kept.
    trap.Step(102, [&] {
        ChangeHolidays([&](HolidayTable& fixed, HolidayTable&) {
            row = AppendFixedHoliday(fixed, state_.MonthNames(), monthText, dayText, name);
        });
    });
    if (row == 0)
        return;  // no row was added: nothing to select, save or show
    trap.Step(104, [&] {
        state_.SetFixedCount(row);
        state_.SetCurrentFixed(row);
    });
    trap.Step(108, [&] { state_.ShowSelectedHolidays(); });
    trap.Step(110, [&] { accept(); });
}

void FixedHolidayDialog::PushButton6_Click()
{
    ErrorTrap trap(location::frmFixedHolidays_PushButton6_Click);
    trap.Step(100, [&] { reject(); });
}

}  // namespace morvessa
