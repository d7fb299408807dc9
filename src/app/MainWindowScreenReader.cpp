// What a screen reader says for the main window's controls, and Enter on its buttons.

#include "app/MainWindow.h"

#include "widgets/ScreenReader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace morvessa {

void MainWindow::NameControlsForScreenReaders()
{
    NameControl(yearBox_, SpokenLabel(yearFrame_->title()));
    for (QRadioButton* option : {easterYesOption_, easterNoOption_})
        NameControl(option, option->text().trimmed(), SpokenLabel(easterFrame_->title()));
    const QString fixed = fixedHolidayFrame_->title();
    NameFieldByLabel(fixedNameLabel_, fixedHolidayNameBox_, fixed);
    NameFieldByLabel(fixedMonthLabel_, fixedMonthBox_, fixed);
    NameFieldByLabel(fixedDayLabel_, fixedDayBox_, fixed);
    const QString floating = floatingHolidayFrame_->title();
    NameFieldByLabel(floatingNameLabel_, floatingHolidayNameBox_, floating);
    NameFieldByLabel(floatingMonthLabel_, floatingMonthBox_, floating);
    NameFieldByLabel(floatingDayLabel_, weekdayList_, floating);
    NameFieldByLabel(occurrenceLabel_, occurrenceList_, floating);
    // The buttons speak their own text; the frame tells the two "Add Holiday" apart.
    for (QGroupBox* frame : {fixedHolidayFrame_, floatingHolidayFrame_, colourFrame_})
        for (QPushButton* button : frame->findChildren<QPushButton*>())
            button->setAccessibleDescription(SpokenLabel(frame->title()));
    PressButtonsOnEnter(this);
    GiveButtonsMnemonics(this);
    NameQtDialogFields();
}

}  // namespace morvessa
