#include "dialogs/FloatingHolidayDialog.h"

#include "core/CalendarNames.h"

#include "holidays/HolidayCatalogue.h"
#include "widgets/DialogLayout.h"
#include "widgets/DialogWidgets.h"
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

    Frame1_ = Place(new QGroupBox(tr("Add new floating date holiday"), this), "Frame1",
                    TwipsRect(120, 120, 5760, 2175));
    Label6_ = Place(new QLabel(tr("Name:"), Frame1_), "Label6", TwipsRect(240, 345, 615, 255));
    Text6_ = Place(new QLineEdit(Frame1_), "Text6", TwipsRect(960, 300, 1935, 345));
    Label4_ = Place(new QLabel(tr("Month:"), Frame1_), "Label4", TwipsRect(3120, 345, 615, 255));
    cmbMonth1_ = Place(new QComboBox(Frame1_), "cmbMonth1", TwipsRect(4320, 300, 1215, 345));
    Label5_ = Place(new QLabel(tr("Day:"), Frame1_), "Label5", TwipsRect(240, 765, 375, 255));
    List1_ = Place(new QListWidget(Frame1_), "List1", TwipsRect(960, 720, 1215, 735));
    Label7_ = Place(new QLabel(tr("Occurence:"), Frame1_), "Label7", TwipsRect(3120, 765, 975, 255));
    List2_ = Place(new QListWidget(Frame1_), "List2", TwipsRect(4320, 720, 1215, 735));
    AddSaveAndCloseButtons(Frame1_, TwipsRect(240, 1530, 2655, 405), TwipsRect(3000, 1545, 2535, 405));
    for (QListWidget* list : {List1_, List2_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the short boxes keep their rows
    }

    SelectAllOnFocus(Text6_);
    setTabOrder(Text6_, cmbMonth1_);
    setTabOrder(cmbMonth1_, List1_);
    setTabOrder(List1_, List2_);
    setTabOrder(List2_, PushButton8_);
    setTabOrder(PushButton8_, PushButton6_);
    Text6_->setFocus();

    Form_Load();
}

void FloatingHolidayDialog::Form_Load()
{
    ErrorTrap trap(location::frmFloatingHolidays_Form_Load);
    RunCommonLoadSteps(trap);
    trap.Step(106, [&] {
        List1_->clear();
        List1_->addItems(WeekdayNameList());
        List2_->clear();
        List2_->addItems(OccurrenceNameList());
        // The longest weekday ("Wednesday", "Donnerstag") shows whole: the list grows rightwards
        // toward the occurrence label.
        FitListToItems(List1_, Label7_->geometry().left() - 8);
    });
    trap.Step(108, [&] {
        cmbMonth1_->clear();
        cmbMonth1_->addItems(state_.MonthNames().mid(0, 12));
        cmbMonth1_->setCurrentIndex(-1);
        // The longest month ("September") shows whole: the box grows leftwards toward its label.
        FitComboToItems(cmbMonth1_, Label4_->geometry().left() + Label4_->sizeHint().width());
    });
    trap.Step(110, [&] {
        Text6_->clear();
        List1_->clearSelection();
        List2_->clearSelection();
    });
}

void FloatingHolidayDialog::PushButton8_Click()
{
    ErrorTrap trap(location::frmFloatingHolidays_PushButton8_Click);
    const QString name = Text6_->text();
    const QString monthText = cmbMonth1_->currentText();
    const int weekdayIndex = SelectedRow(List1_);
    const int occurrenceIndex = SelectedRow(List2_);

    // The first missing or refused field is named; nothing is stored and the dialog stays open.
    bool accepted = false;
    trap.Step(100, [&] {
        const HolidayInputCheck check =
            CheckFloatingHolidayInput(name, cmbMonth1_->currentIndex(), weekdayIndex, occurrenceIndex);
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

void FloatingHolidayDialog::PushButton6_Click()
{
    ErrorTrap trap(location::frmFloatingHolidays_PushButton6_Click);
    trap.Step(100, [&] { reject(); });
}

}  // namespace morvessa
