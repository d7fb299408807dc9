#include "dialogs/FloatingHolidayDialog.h"

#include "core/CalendarNames.h"

#include "holidays/HolidayCatalogue.h"
#include "widgets/DialogLayout.h"
#include "widgets/DialogWidgets.h"
#include "widgets/ScreenReader.h"
#include "dialogs/HolidayDialogModel.h"
#include "core/ErrorTrap.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace morvessa {

namespace {

int SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace

FloatingHolidayDialog::FloatingHolidayDialog(HolidayEditorState& state, QWidget* parent)
    : HolidayDialogBase(state, parent)
{
    setObjectName(QStringLiteral("frmFloatingHolidays"));
    SetUpFixedDialog(this, tr("Floating Date Holidays"), TwipsRect(0, 0, 6000, 2415).size());

    holidayFrame_ = Place(new QGroupBox(tr("Add new floating date holiday"), this), "Frame1",
                          TwipsRect(120, 120, 5760, 2175));
    nameLabel_ = Place(new QLabel(tr("Name:"), holidayFrame_), "Label6", TwipsRect(240, 345, 615, 255));
    nameBox_ = Place(new QLineEdit(holidayFrame_), "Text6", TwipsRect(960, 300, 1935, 345));
    monthLabel_ = Place(new QLabel(tr("Month:"), holidayFrame_), "Label4", TwipsRect(3120, 345, 615, 255));
    monthBox_ = Place(new QComboBox(holidayFrame_), "cmbMonth1", TwipsRect(4320, 300, 1215, 345));
    weekdayLabel_ = Place(new QLabel(tr("Day:"), holidayFrame_), "Label5", TwipsRect(240, 765, 375, 255));
    weekdayList_ = Place(new QListWidget(holidayFrame_), "List1", TwipsRect(960, 720, 1215, 735));
    occurrenceLabel_ =
        Place(new QLabel(tr("Occurence:"), holidayFrame_), "Label7", TwipsRect(3120, 765, 975, 255));
    occurrenceList_ = Place(new QListWidget(holidayFrame_), "List2", TwipsRect(4320, 720, 1215, 735));
    AddSaveAndCloseButtons(holidayFrame_, TwipsRect(240, 1530, 2655, 405), TwipsRect(3000, 1545, 2535, 405));
    NameFieldByLabel(nameLabel_, nameBox_, holidayFrame_->title());
    NameFieldByLabel(monthLabel_, monthBox_, holidayFrame_->title());
    NameFieldByLabel(weekdayLabel_, weekdayList_, holidayFrame_->title());
    NameFieldByLabel(occurrenceLabel_, occurrenceList_, holidayFrame_->title());
    for (QListWidget* list : {weekdayList_, occurrenceList_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the short boxes keep their rows
    }

    SelectAllOnFocus(nameBox_);
    setTabOrder(nameBox_, monthBox_);
    setTabOrder(monthBox_, weekdayList_);
    setTabOrder(weekdayList_, occurrenceList_);
    setTabOrder(occurrenceList_, saveButton_);
    setTabOrder(saveButton_, closeButton_);
    nameBox_->setFocus();

    Form_Load();
}

void FloatingHolidayDialog::Form_Load()
{
    ErrorTrap trap(location::frmFloatingHolidays_Form_Load);
    RunCommonLoadSteps(trap);
    trap.Step(106, [&] {
        weekdayList_->clear();
        weekdayList_->addItems(WeekdayNameList());
        occurrenceList_->clear();
        occurrenceList_->addItems(OccurrenceNameList());
        // The longest weekday ("Wednesday", "Donnerstag") shows whole: the list grows rightwards
        // toward the occurrence label.
        FitListToItems(weekdayList_, occurrenceLabel_->geometry().left() - 8);
    });
    trap.Step(108, [&] {
        monthBox_->clear();
        monthBox_->addItems(state_.MonthNames().mid(0, 12));
        monthBox_->setCurrentIndex(-1);
        // The longest month ("September") shows whole: the box grows leftwards toward its label.
        FitComboToItems(monthBox_, monthLabel_->geometry().left() + monthLabel_->sizeHint().width());
    });
    trap.Step(110, [&] {
        nameBox_->clear();
        weekdayList_->clearSelection();
        occurrenceList_->clearSelection();
    });
}

void FloatingHolidayDialog::SaveClicked()
{
    ErrorTrap trap(location::frmFloatingHolidays_PushButton8_Click);
    const QString name = nameBox_->text();
    const QString monthText = monthBox_->currentText();
    const int weekdayIndex = SelectedRow(weekdayList_);
    const int occurrenceIndex = SelectedRow(occurrenceList_);

    // The first missing or refused field is named; nothing is stored and the dialog stays open.
    bool accepted = false;
    trap.Step(100, [&] {
        const HolidayInputCheck check =
            CheckFloatingHolidayInput(name, monthBox_->currentIndex(), weekdayIndex, occurrenceIndex);
        if (!check.message.isEmpty())
            showMessage_(this, check.message);
        accepted = check.accepted();
    });
    if (!accepted)
        return;

    int row = 0;
    // Added to what is stored now and saved at once, so another copy's changes are kept.
    trap.Step(102, [&] {
        ChangeHolidays([&](HolidayTable&, HolidayTable& floating) {
            row = AppendFloatingHoliday(floating, state_.MonthNames(), monthText, weekdayIndex,
                                        occurrenceIndex, name);
        });
    });
    if (row == 0)
        return;  // no row was added: nothing to select, save or show
    trap.Step(104, [&] {
        state_.SetFloatingCount(row);
        state_.SetCurrentFloating(row);
    });
    trap.Step(108, [&] { state_.ShowSelectedHolidays(); });
    trap.Step(110, [&] { accept(); });
}

void FloatingHolidayDialog::CloseClicked()
{
    ErrorTrap trap(location::frmFloatingHolidays_PushButton6_Click);
    trap.Step(100, [&] { reject(); });
}

}  // namespace morvessa
