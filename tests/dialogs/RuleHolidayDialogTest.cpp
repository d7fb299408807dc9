#include "calendar/StoredCalendars.h"
#include "dialogs/CalendarEventsDialog.h"
#include "dialogs/HolidayListDialog.h"
#include "dialogs/RuleHolidayDialog.h"
#include "holidays/HolidayEditing.h"

#include "dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace morvessa::test {
namespace {

class RuleHolidayDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        RuleHolidays().clear();
        ProgramHolidayUndo().Clear();
    }
    void TearDown() override
    {
        RuleHolidays().clear();
        ProgramHolidayUndo().Clear();
        DialogTest::TearDown();
    }
    template <typename Widget>
    static Widget* Field(QWidget& dialog, const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static HolidayRule Rule(const char* text, const char* name)
    {
        HolidayRule rule = ParseRuleText(QString::fromLatin1(text));
        rule.name = QString::fromUtf8(name);
        return rule;
    }
};

TEST_F(RuleHolidayDialogTest, TheFieldsOfEachKindMakeTheRuleAndOnlyThoseShow)
{
    RuleHolidayDialog dialog(HolidayRule{});
    dialog.show();
    Field<QLineEdit>(dialog, "Name")->setText(QStringLiteral("Victoria Day"));
    Field<QComboBox>(dialog, "Kind")->setCurrentIndex(4);  // weekday on or before a date
    Field<QComboBox>(dialog, "Weekday")->setCurrentIndex(1);
    Field<QComboBox>(dialog, "Month")->setCurrentIndex(4);
    Field<QSpinBox>(dialog, "Day")->setValue(24);
    Field<QSpinBox>(dialog, "FirstYear")->setValue(1952);
    EXPECT_EQ(RuleText(dialog.Rule()), "mon on-or-before 05-24 from 1952");
    EXPECT_EQ(dialog.MessageText(), "Victoria Day - Monday on or before 24 May, from 1952");
    EXPECT_TRUE(Field<QComboBox>(dialog, "Weekday")->isVisible());
    EXPECT_FALSE(Field<QSpinBox>(dialog, "Offset")->isVisible());
    EXPECT_FALSE(Field<QComboBox>(dialog, "Observed")->isVisible());

    Field<QComboBox>(dialog, "Kind")->setCurrentIndex(2);  // Easter
    Field<QSpinBox>(dialog, "Offset")->setValue(-2);
    EXPECT_EQ(RuleText(dialog.Rule()), "easter -2 from 1952");
    EXPECT_FALSE(Field<QComboBox>(dialog, "Month")->isVisible());
    EXPECT_TRUE(Field<QSpinBox>(dialog, "Offset")->isVisible());

    Field<QComboBox>(dialog, "Kind")->setCurrentIndex(0);
    Field<QComboBox>(dialog, "Observed")->setCurrentIndex(2);
    EXPECT_EQ(RuleText(dialog.Rule()), "fixed 05-24 observe=next from 1952");

    Field<QComboBox>(dialog, "Kind")->setCurrentIndex(5);  // dated: no years in force
    Field<QSpinBox>(dialog, "Year")->setValue(2031);
    EXPECT_EQ(RuleText(dialog.Rule()), "date 2031-05-24");
    EXPECT_FALSE(Field<QSpinBox>(dialog, "FirstYear")->isVisible());
}

TEST_F(RuleHolidayDialogTest, OkStaysOpenOnAMissingNameOrADayTheMonthLacks)
{
    RuleHolidayDialog dialog(Rule("fixed 02-28", "Leap"));
    dialog.show();
    EXPECT_EQ(Field<QLineEdit>(dialog, "Name")->text(), "Leap");
    Field<QSpinBox>(dialog, "Day")->setValue(30);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.MessageText(), "February has no 30th day.");  // in words, never the stored rule
    Field<QSpinBox>(dialog, "FirstYear")->setValue(2030);
    Field<QSpinBox>(dialog, "LastYear")->setValue(2020);
    Field<QSpinBox>(dialog, "Day")->setValue(28);
    EXPECT_EQ(dialog.MessageText(), "The last year comes before the first year.");
    Field<QSpinBox>(dialog, "FirstYear")->setValue(Field<QSpinBox>(dialog, "FirstYear")->minimum());
    Field<QSpinBox>(dialog, "LastYear")->setValue(Field<QSpinBox>(dialog, "LastYear")->minimum());
    RuleHolidayDialog dated(Rule("date 2028-02-29", "Once"));
    Field<QSpinBox>(dated, "Year")->setValue(2027);
    EXPECT_EQ(dated.MessageText(), "2027 is not a leap year: February has no 29th day.");
    Field<QSpinBox>(dialog, "Day")->setValue(29);
    Field<QLineEdit>(dialog, "Name")->setText(QStringLiteral("  "));
    dialog.accept();
    EXPECT_EQ(dialog.MessageText(), "Please give the holiday a name.");
    Field<QLineEdit>(dialog, "Name")->setText(QStringLiteral("Leap Day"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Rule(), Rule("fixed 02-29", "Leap Day"));
}

TEST_F(RuleHolidayDialogTest, TheListEditsAHolidayInPlaceAndKeepsSameNamedOnesApart)
{
    RuleHolidays() = {Rule("easter -2", "Holiday"), Rule("easter +1", "Holiday")};
    HolidayListDialog list;
    std::vector<QString> messages;
    list.showMessage = [&](const QString& text) { messages.push_back(text); };
    ASSERT_EQ(list.List()->count(), 7 + 10 + 2);
    EXPECT_EQ(list.List()->item(18)->text(), "Rule: Holiday - Easter +1 days");

    // The second "Holiday" becomes Whit Monday; the first stays as it was.
    list.List()->setCurrentRow(18);
    list.runRuleDialog = [](RuleHolidayDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("Offset"))->setValue(50);
        dialog.findChild<QLineEdit*>(QStringLiteral("Name"))->setText(QStringLiteral("Whit Monday"));
        dialog.accept();
        return dialog.result();
    };
    list.EditSelected();
    EXPECT_EQ(list.List()->currentRow(), 18);
    EXPECT_EQ(list.List()->item(18)->text(), "Rule: Whit Monday - Easter +50 days");
    EXPECT_EQ(list.List()->item(17)->text(), "Rule: Holiday - Easter -2 days");
    LoadRuleHolidays();
    EXPECT_EQ(RuleHolidays()[1], Rule("easter +50", "Whit Monday"));

    // A fixed row edited into an observed rule moves to the rule list; Undo puts it back.
    list.List()->setCurrentRow(2);  // Independence Day
    list.runRuleDialog = [](RuleHolidayDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("Observed"))->setCurrentIndex(1);
        dialog.accept();
        return dialog.result();
    };
    list.EditSelected();
    EXPECT_EQ(list.List()->currentItem()->text(),
              "Rule: Independence Day - 4 July, observed Friday/Monday when on a weekend");
    EXPECT_EQ(FixedHolidays().RowCount(), 6);
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
    EXPECT_EQ(RuleHolidays().size(), 2u);
    EXPECT_EQ(RuleHolidays()[1].name, "Whit Monday");
    EXPECT_TRUE(messages.empty());

    // A cancelled edit changes nothing and leaves nothing to undo.
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    HolidayListDialog reopened;
    reopened.List()->setCurrentRow(18);
    reopened.runRuleDialog = [](RuleHolidayDialog&) { return int(QDialog::Rejected); };
    reopened.EditSelected();
    EXPECT_EQ(reopened.List()->item(18)->text(), "Rule: Holiday - Easter +1 days");
    // Enter on a row opens its edit dialog once: the key press went on to the default button and
    // opened Add by Rule after it.
    int opened = 0;
    reopened.runRuleDialog = [&](RuleHolidayDialog&) {
        ++opened;
        return int(QDialog::Rejected);
    };
    reopened.show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(reopened.List(), &enter);
    reopened.hide();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(ProgramHolidayUndo().CanUndo());
    // An entry that went away meanwhile is reported, not edited.
    list.runRuleDialog = [](RuleHolidayDialog&) { return int(QDialog::Rejected); };
    list.List()->setCurrentRow(list.List()->count() - 1);
    list.EditSelected();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(ProgramHolidayUndo().CanUndo());
}

TEST_F(RuleHolidayDialogTest, DeletingFromTheListIsUndoneAndTheLastTableRowStays)
{
    HolidayListDialog list;
    std::vector<QString> messages;
    list.showMessage = [&](const QString& text) { messages.push_back(text); };
    list.List()->setCurrentRow(0);
    list.DeleteSelected();
    EXPECT_EQ(FixedHolidays().RowCount(), 6);
    EXPECT_EQ(list.List()->count(), 16);
    ProgramHolidayUndo().Undo();
    EXPECT_EQ(FixedHolidays().RowCount(), 7);

    FixedHolidays().Reset(1);
    FixedHolidays().Cell(1, 1) = 1;
    FixedHolidays().Cell(1, 2) = 1;
    FixedHolidays().Cell(1, 3) = "Only";
    HolidayListDialog small;
    small.showMessage = list.showMessage;
    small.List()->setCurrentRow(0);
    small.DeleteSelected();
    EXPECT_EQ(FixedHolidays().RowCount(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("keeps one")));

    // Empty lists, as a first start with a country's holidays leaves them: nothing to edit or delete.
    EXPECT_TRUE(Field<QPushButton>(small, "Edit")->isEnabled());
    FixedHolidays().Reset(0);
    FloatingHolidays().Reset(0);
    HolidayListDialog empty;
    EXPECT_EQ(empty.List()->count(), 0);
    EXPECT_FALSE(Field<QPushButton>(empty, "Edit")->isEnabled());
    EXPECT_FALSE(Field<QPushButton>(empty, "Delete")->isEnabled());
}

TEST_F(RuleHolidayDialogTest, ACalendarRowIsRefreshedFromItsFileAndHidesTheEventsUnchecked)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("club.ics"));
    const auto write = [&](const QByteArray& events) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCALENDAR\r\nX-WR-CALNAME:Club\r\n" + events + "END:VCALENDAR\r\n");
    };
    const QByteArray meeting = "BEGIN:VEVENT\r\nUID:m\r\nDTSTART;VALUE=DATE:20260310\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\n";
    write(meeting);
    ImportCalendar(path, false);
    write(meeting + "BEGIN:VEVENT\r\nUID:f\r\nDTSTART;VALUE=DATE:20260601\r\nSUMMARY:Fair\r\nEND:VEVENT\r\n");

    HolidayListDialog list;
    const int row = list.List()->count() - 1;
    EXPECT_EQ(list.List()->item(row)->text(), "Calendar: Club - 1 event");
    list.List()->setCurrentRow(row);
    list.RefreshSelectedCalendar();
    EXPECT_EQ(list.List()->item(row)->text(), "Calendar: Club - 2 events");

    list.runEventsDialog = [](CalendarEventsDialog& dialog) {
        EXPECT_EQ(dialog.List()->count(), 2);
        dialog.List()->item(0)->setCheckState(Qt::Unchecked);
        dialog.accept();
        return dialog.result();
    };
    list.EditSelected();
    EXPECT_EQ(StoredCalendars()[0].hiddenUids, QStringList{QStringLiteral("m")});
    EXPECT_EQ(DaysOfStoredCalendars(2026, 2026).days.size(), 1u);
}

}  // namespace
}  // namespace morvessa::test
