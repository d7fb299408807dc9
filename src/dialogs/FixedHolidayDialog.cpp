#include "dialogs/FixedHolidayDialog.h"

#include "holidays/HolidayCatalogue.h"
#include "widgets/DialogLayout.h"
#include "widgets/ScreenReader.h"
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

    holidayFrame_ = Place(new QGroupBox(tr("Add new fixed date holiday"), this), "Frame1",
                          TwipsRect(120, 120, 3480, 1815));
    nameLabel_ =
        Place(new QLabel(tr("Holiday Name:"), holidayFrame_), "Label6", TwipsRect(240, 345, 1215, 255));
    nameBox_ = Place(new QLineEdit(holidayFrame_), "Text3", TwipsRect(1560, 300, 1695, 345));
    monthLabel_ = Place(new QLabel(tr("Month:"), holidayFrame_), "Label4", TwipsRect(240, 765, 615, 255));
    monthBox_ = Place(new QComboBox(holidayFrame_), "cmbMonth1", TwipsRect(840, 720, 1215, 345));
    dayLabel_ = Place(new QLabel(tr("Day:"), holidayFrame_), "Label2", TwipsRect(2160, 765, 375, 255));
    dayBox_ = Place(new QLineEdit(holidayFrame_), "Text2", TwipsRect(2640, 720, 615, 345));
    AddSaveAndCloseButtons(holidayFrame_, TwipsRect(240, 1200, 1455, 405), TwipsRect(1800, 1200, 1455, 405));
    NameFieldByLabel(nameLabel_, nameBox_, holidayFrame_->title());
    NameFieldByLabel(monthLabel_, monthBox_, holidayFrame_->title());
    NameFieldByLabel(dayLabel_, dayBox_, holidayFrame_->title());
    // Its colon shows: the label may take the gap before the name box.
    FitLabelToText(nameLabel_, nameBox_->geometry().left() - 1);

    SelectAllOnFocus(nameBox_);
    SelectAllOnFocus(dayBox_);
    setTabOrder(nameBox_, monthBox_);
    setTabOrder(monthBox_, dayBox_);
    setTabOrder(dayBox_, saveButton_);
    setTabOrder(saveButton_, closeButton_);
    nameBox_->setFocus();

    Form_Load();
}

// The longest month ("September") shows whole: the month box grows rightwards into the gap before
// "Day:"; where that is not enough, "Day:" and the day box give way, the day box keeping its right
// edge under the name box and room for two digits.
void FixedHolidayDialog::FitMonthBox()
{
    constexpr int kGapBeforeDay = 4;
    constexpr int kDayBoxNarrowest = 28;
    QRect month = monthBox_->geometry();
    month.setWidth(std::max(month.width(), ComboWidthForItems(monthBox_)));
    const int overlap = month.right() + kGapBeforeDay - dayLabel_->geometry().left();
    const int shift = std::clamp(overlap, 0, std::max(0, dayBox_->width() - kDayBoxNarrowest));
    month.setRight(std::min(month.right(), dayLabel_->geometry().left() + shift - kGapBeforeDay));
    monthBox_->setGeometry(month);
    if (shift > 0) {
        dayLabel_->move(dayLabel_->x() + shift, dayLabel_->y());
        dayBox_->setGeometry(dayBox_->geometry().adjusted(shift, 0, 0, 0));
    }
}

void FixedHolidayDialog::Form_Load()
{
    ErrorTrap trap(location::frmFixedHolidays_Form_Load);
    RunCommonLoadSteps(trap);
    trap.Step(106, [&] {
        monthBox_->clear();
        monthBox_->addItems(state_.MonthNames().mid(0, 12));
        monthBox_->setCurrentIndex(-1);
        FitMonthBox();
    });
    trap.Step(108, [&] {
        dayBox_->clear();
        nameBox_->clear();
    });
}

void FixedHolidayDialog::SaveClicked()
{
    ErrorTrap trap(location::frmFixedHolidays_PushButton8_Click);
    const QString name = nameBox_->text();
    const QString monthText = monthBox_->currentText();
    const QString dayText = dayBox_->text();

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

void FixedHolidayDialog::CloseClicked()
{
    ErrorTrap trap(location::frmFixedHolidays_PushButton6_Click);
    trap.Step(100, [&] { reject(); });
}

}  // namespace morvessa
