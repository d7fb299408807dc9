// The floating-date holiday dialog driven through its widgets, checked against the catalogue and store.

#include "dialogs/FloatingHolidayDialog.h"

#include "dialogs/DialogTestSupport.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QPushButton>

namespace morvessa {
namespace {

class FloatingHolidayDialogTest : public test::HolidayDialogTest<FloatingHolidayDialog> {
protected:
    // Picks a list item the way a user does, by clicking it.
    void ClickItem(const char* listName, int row)
    {
        auto* list = Child<QListWidget>(listName);
        list->scrollToItem(list->item(row));
        test::ClickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
        ASSERT_TRUE(list->item(row)->isSelected());
    }

    void ExpectNothingStored()
    {
        EXPECT_EQ(FloatingHolidays().RowCount(), 10);
        EXPECT_EQ(ReadSetting(key::FloatingHolidaysCount, ""), "10");
        EXPECT_EQ(state_.floatingCount, 10);
        EXPECT_EQ(state_.refreshes, 0);
        EXPECT_TRUE(dialog_->isVisible());
    }
};

TEST_F(FloatingHolidayDialogTest, OpensEmptyWithItsDesignedLayout)
{
    EXPECT_EQ(dialog_->windowTitle(), "Floating Date Holidays");
    EXPECT_TRUE(dialog_->isModal());
    EXPECT_EQ(dialog_->size(), QSize(400, 161));
    EXPECT_EQ(Child<QGroupBox>("Frame1")->title(), "Add new floating date holiday");
    EXPECT_EQ(Child<QGroupBox>("Frame1")->geometry(), QRect(8, 8, 384, 145));
    EXPECT_EQ(Child<QLabel>("Label6")->text(), "Name:");
    EXPECT_EQ(Child<QLabel>("Label5")->text(), "Day:");
    EXPECT_EQ(Child<QLabel>("Label7")->text(), "Occurence:");
    EXPECT_EQ(Child<QLineEdit>("Text6")->geometry(), QRect(64, 20, 129, 23));
    // The month box keeps its designed right edge and height; it grows leftwards as its longest
    // month needs in the font at hand (TheMonthBoxShowsSeptemberWhole).
    const QRect monthBox = Child<QComboBox>("cmbMonth1")->geometry();
    EXPECT_EQ(monthBox.right(), 368);
    EXPECT_EQ(monthBox.top(), 20);
    EXPECT_EQ(monthBox.height(), 23);
    EXPECT_GE(monthBox.width(), 81);
    // The weekday list keeps its designed place and height; it grows rightwards as its longest
    // weekday needs (TheWeekdayListShowsWednesdayWhole).
    const QRect weekdayList = Child<QListWidget>("List1")->geometry();
    EXPECT_EQ(weekdayList.topLeft(), QPoint(64, 48));
    EXPECT_EQ(weekdayList.height(), 49);
    EXPECT_GE(weekdayList.width(), 81);
    EXPECT_EQ(Child<QListWidget>("List2")->geometry(), QRect(288, 48, 81, 49));
    EXPECT_EQ(Child<QPushButton>("PushButton8")->geometry(), QRect(16, 102, 177, 27));
    EXPECT_EQ(Child<QPushButton>("PushButton6")->geometry(), QRect(200, 103, 169, 27));
    EXPECT_EQ(Child<QPushButton>("PushButton8")->font().pointSizeF(), 11.25);

    auto* weekdays = Child<QListWidget>("List1");
    auto* occurrences = Child<QListWidget>("List2");
    ASSERT_EQ(weekdays->count(), 7);
    EXPECT_EQ(weekdays->item(0)->text(), "Sunday");
    EXPECT_EQ(weekdays->item(6)->text(), "Saturday");
    ASSERT_EQ(occurrences->count(), 5);
    EXPECT_EQ(occurrences->item(4)->text(), "Last");
    EXPECT_TRUE(weekdays->selectedItems().isEmpty());
    EXPECT_TRUE(occurrences->selectedItems().isEmpty());
    EXPECT_EQ(Child<QComboBox>("cmbMonth1")->count(), 12);
    EXPECT_EQ(Child<QComboBox>("cmbMonth1")->currentIndex(), -1);
    EXPECT_TRUE(Child<QLineEdit>("Text6")->text().isEmpty());

    const QList<QWidget*> order = {
        Child<QLineEdit>("Text6"),         Child<QComboBox>("cmbMonth1"),    weekdays, occurrences,
        Child<QPushButton>("PushButton8"), Child<QPushButton>("PushButton6")};
    for (int i = 0; i + 1 < order.size(); ++i) {
        EXPECT_EQ(test::NextTabStop(order[i]), order[i + 1]) << i;
    }
}

TEST_F(FloatingHolidayDialogTest, HarvestOnTheLastFridayOfSeptember)
{
    int accepted = 0;
    QObject::connect(dialog_.get(), &QDialog::accepted, [&] { ++accepted; });
    test::TypeText(Child<QLineEdit>("Text6"), "Harvest");
    Child<QComboBox>("cmbMonth1")->setCurrentIndex(8);
    ClickItem("List1", 5);
    ClickItem("List2", 4);
    ClickSave();

    EXPECT_TRUE(messages_.isEmpty());
    ASSERT_EQ(FloatingHolidays().RowCount(), 11);
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Month), HolidayCell(9));
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Weekday), HolidayCell(6));
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Occurrence), HolidayCell(QString("Last")));
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Name), HolidayCell(QString("Harvest")));
    EXPECT_EQ(state_.floatingCount, 11);
    EXPECT_EQ(state_.currentFloating, 11);
    EXPECT_EQ(state_.refreshes, 1);
    EXPECT_EQ(accepted, 1);
    EXPECT_FALSE(dialog_->isVisible());

    EXPECT_EQ(ReadSetting(key::FloatingHolidaysCount, ""), "11");
    EXPECT_TRUE(ReadSetting("4Data", "").endsWith(QString::fromUtf8("11|¬9|")));
    EXPECT_TRUE(ReadSetting("5Data", "").endsWith(QString::fromUtf8("1|¬6|")));
    EXPECT_TRUE(ReadSetting("6Data", "").endsWith(QString::fromUtf8("1|¬Last|")));
    EXPECT_TRUE(ReadSetting("7Data", "").endsWith(QString::fromUtf8("Ends|¬Harvest|")));
    EXPECT_EQ(ReadSetting(key::FixedHolidaysCount, ""), "7");

    LoadHolidays();
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Occurrence), HolidayCell(QString("Last")));
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Weekday), HolidayCell(6));
}

TEST_F(FloatingHolidayDialogTest, EnterSavesAndEscCloses)
{
    EXPECT_TRUE(Child<QPushButton>("PushButton8")->isDefault());
    test::TypeText(Child<QLineEdit>("Text6"), "Harvest");
    Child<QComboBox>("cmbMonth1")->setCurrentIndex(8);
    ClickItem("List1", 5);
    ClickItem("List2", 4);
    test::PressKey(Child<QListWidget>("List2"), Qt::Key_Return);
    ASSERT_EQ(FloatingHolidays().RowCount(), 11);
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Name), HolidayCell(QString("Harvest")));
    EXPECT_FALSE(dialog_->isVisible());

    dialog_->show();
    ASSERT_TRUE(test::WaitUntil([&] { return dialog_->isVisible(); }));
    test::PressKey(Child<QLineEdit>("Text6"), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(FloatingHolidays().RowCount(), 11);
}

TEST_F(FloatingHolidayDialogTest, TheMonthBoxShowsSeptemberWhole)
{
    auto* months = Child<QComboBox>("cmbMonth1");
    EXPECT_TRUE(test::ComboShowsWhole(months, "September"));
    // Still inside the frame, right of its label and lined up with the occurrence list below.
    EXPECT_LE(months->geometry().right(), Child<QGroupBox>("Frame1")->contentsRect().right());
    EXPECT_GT(months->geometry().left(), Child<QLabel>("Label4")->geometry().right());
    EXPECT_EQ(months->geometry().right(), Child<QListWidget>("List2")->geometry().right());
}

TEST_F(FloatingHolidayDialogTest, TheWeekdayListShowsWednesdayWhole)
{
    auto* weekdays = Child<QListWidget>("List1");
    // Seven rows in a list of three: the scroll bar takes its share of the width.
    const int room =
        weekdays->width() - 2 * weekdays->frameWidth() -
        weekdays->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, weekdays) -
        2 * (weekdays->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, weekdays) + 1);
    EXPECT_LE(QFontMetrics(weekdays->font()).horizontalAdvance("Wednesday"), room);
    // Still clear of the occurrence label on its right.
    EXPECT_LT(weekdays->geometry().right(), Child<QLabel>("Label7")->geometry().left());
}

TEST_F(FloatingHolidayDialogTest, TestOnTheSecondSundayOfMarch)
{
    test::TypeText(Child<QLineEdit>("Text6"), "Test");
    Child<QComboBox>("cmbMonth1")->setCurrentIndex(2);
    ClickItem("List1", 0);
    ClickItem("List2", 1);
    ClickSave();
    ASSERT_EQ(FloatingHolidays().RowCount(), 11);
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Month), HolidayCell(3));
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Weekday), HolidayCell(1));
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Occurrence), HolidayCell(2));
    EXPECT_EQ(FloatingHolidays().Cell(11, floating_column::Name), HolidayCell(QString("Test")));
}

TEST_F(FloatingHolidayDialogTest, EachSaveNamesOnlyTheFirstMissingField)
{
    ClickSave();
    EXPECT_EQ(messages_, QStringList{"Please add name."});
    ExpectNothingStored();

    test::TypeText(Child<QLineEdit>("Text6"), "Harvest");
    ClickSave();
    EXPECT_EQ(messages_.last(), "Please select month.");

    ClickItem("List1", 5);  // a weekday alone does not satisfy the month check
    ClickSave();
    EXPECT_EQ(messages_.last(), "Please select month.");

    Child<QComboBox>("cmbMonth1")->setCurrentIndex(8);
    Child<QListWidget>("List1")->clearSelection();
    ClickSave();
    EXPECT_EQ(messages_.last(), "Please select day.");

    ClickItem("List1", 5);
    ClickSave();
    EXPECT_EQ(messages_.last(), "Please select occurence.");
    EXPECT_EQ(messages_.size(), 5);
    ExpectNothingStored();
}

TEST_F(FloatingHolidayDialogTest, NameWithASeparatorIsRefusedWithAMessage)
{
    for (const QString& name : {QString("Harvest|Home"), QString::fromUtf8("Harvest¬Home")}) {
        messages_.clear();
        Child<QLineEdit>("Text6")->setText(name);
        Child<QComboBox>("cmbMonth1")->setCurrentIndex(8);
        ClickItem("List1", 5);
        ClickItem("List2", 4);
        ClickSave();
        ASSERT_EQ(messages_.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages_.front().contains(QString::fromUtf8("¬")));
        ExpectNothingStored();
    }
}

TEST_F(FloatingHolidayDialogTest, WithoutATestSinkTheMessageIsAPlainOkBox)
{
    FloatingHolidayDialog dialog(state_, nullptr);
    dialog.show();
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    // The box is modal; close it from the event loop it runs, as a user pressing OK would.
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(
            test::WaitUntil([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    test::Click(dialog.findChild<QPushButton*>("PushButton8"));
    EXPECT_EQ(text, "Please add name.");
    EXPECT_EQ(title, "Morvessa");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(FloatingHolidays().RowCount(), 10);
}

TEST_F(FloatingHolidayDialogTest, CloseStoresNothing)
{
    test::TypeText(Child<QLineEdit>("Text6"), "Harvest");
    Child<QComboBox>("cmbMonth1")->setCurrentIndex(8);
    test::Click(Child<QPushButton>("PushButton6"));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(FloatingHolidays().RowCount(), 10);
    EXPECT_EQ(ReadSetting(key::FloatingHolidaysCount, ""), "10");
    EXPECT_TRUE(messages_.isEmpty());
}

}  // namespace
}  // namespace morvessa
