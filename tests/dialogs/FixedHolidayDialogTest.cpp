// The fixed-date holiday dialog driven through its widgets, checked against the catalogue and store.

#include "dialogs/FixedHolidayDialog.h"

#include "dialogs/DialogTestSupport.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace morvessa {
namespace {

class FixedHolidayDialogTest : public test::HolidayDialogTest<FixedHolidayDialog> {
protected:
    void Fill(const QString& name, int monthIndex, const QString& day)
    {
        test::TypeText(Child<QLineEdit>("Text3"), name);
        Child<QComboBox>("cmbMonth1")->setCurrentIndex(monthIndex);
        test::TypeText(Child<QLineEdit>("Text2"), day);
    }

    // Nothing reached the catalogue, the store or the main window, and the dialog is still open.
    void ExpectNothingStored()
    {
        EXPECT_EQ(FixedHolidays().RowCount(), 7);
        EXPECT_EQ(ReadSetting(key::FixedHolidaysCount, ""), "7");
        EXPECT_EQ(state_.fixedCount, 7);
        EXPECT_EQ(state_.refreshes, 0);
        EXPECT_TRUE(dialog_->isVisible());
    }
};

TEST_F(FixedHolidayDialogTest, OpensEmptyWithItsDesignedLayout)
{
    EXPECT_EQ(dialog_->windowTitle(), "Fixed Date Holidays");
    EXPECT_TRUE(dialog_->isModal());
    EXPECT_EQ(dialog_->size(), QSize(248, 136));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());

    auto* frame = Child<QGroupBox>("Frame1");
    EXPECT_EQ(frame->title(), "Add new fixed date holiday");
    EXPECT_EQ(frame->geometry(), QRect(8, 8, 232, 121));
    EXPECT_EQ(Child<QLabel>("Label6")->text(), "Holiday Name:");
    EXPECT_EQ(Child<QLabel>("Label4")->text(), "Month:");
    EXPECT_EQ(Child<QLabel>("Label2")->text(), "Day:");
    EXPECT_EQ(Child<QLineEdit>("Text3")->geometry(), QRect(104, 20, 113, 23));
    // The month box starts where it was designed to; its width is "September"'s
    // (TheMonthBoxShowsSeptemberWhole).
    const QRect monthBox = Child<QComboBox>("cmbMonth1")->geometry();
    EXPECT_EQ(monthBox.topLeft(), QPoint(56, 48));
    EXPECT_EQ(monthBox.height(), 23);
    EXPECT_GE(monthBox.width(), 81);
    EXPECT_EQ(Child<QLineEdit>("Text2")->geometry().bottomRight(), QPoint(216, 70));
    EXPECT_EQ(Child<QPushButton>("PushButton8")->geometry(), QRect(16, 80, 97, 27));
    EXPECT_EQ(Child<QPushButton>("PushButton6")->geometry(), QRect(120, 80, 97, 27));
    EXPECT_EQ(Child<QPushButton>("PushButton8")->text(), "Save");
    EXPECT_EQ(Child<QPushButton>("PushButton6")->text(), "Close");
    EXPECT_EQ(Child<QPushButton>("PushButton6")->font().pointSizeF(), 11.25);
    EXPECT_TRUE(Child<QPushButton>("PushButton6")->font().bold());
    EXPECT_EQ(Child<QLineEdit>("Text2")->font().pointSizeF(), 9.0);
    EXPECT_TRUE(Child<QLabel>("Label4")->font().bold());
    EXPECT_EQ(Child<QLabel>("Label4")->font().family(), "Arial");

    auto* months = Child<QComboBox>("cmbMonth1");
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->itemText(0), "January");
    EXPECT_EQ(months->itemText(11), "December");
    EXPECT_EQ(months->currentIndex(), -1);
    EXPECT_TRUE(Child<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(Child<QLineEdit>("Text3")->text().isEmpty());
    // The dialog takes the button-face colour, not the main window's white.
    EXPECT_EQ(dialog_->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Active, QPalette::Button));
}

TEST_F(FixedHolidayDialogTest, KeyboardFocusMovesNameMonthDaySaveClose)
{
    const QList<QWidget*> order = {Child<QLineEdit>("Text3"), Child<QComboBox>("cmbMonth1"),
                                   Child<QLineEdit>("Text2"), Child<QPushButton>("PushButton8"),
                                   Child<QPushButton>("PushButton6")};
    for (int i = 0; i + 1 < order.size(); ++i) {
        EXPECT_EQ(test::NextTabStop(order[i]), order[i + 1]) << i;
    }
}

TEST_F(FixedHolidayDialogTest, FocusSelectsTheWholeText)
{
    dialog_->activateWindow();
    ASSERT_TRUE(test::WaitUntil([&] { return dialog_->isActiveWindow(); }));
    auto* name = Child<QLineEdit>("Text3");
    auto* day = Child<QLineEdit>("Text2");
    name->setText("Harvest Home");
    day->setText("17");
    day->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(test::WaitUntil([&] { return day->selectedText() == "17"; }))
        << day->selectedText().toStdString();
    // A click: the focus arrives first, then the press that would place the caret.
    name->setFocus(Qt::MouseFocusReason);
    test::ClickAt(name, QPoint(5, name->height() / 2));
    EXPECT_TRUE(test::WaitUntil([&] { return name->selectedText() == "Harvest Home"; }))
        << name->selectedText().toStdString();
}

TEST_F(FixedHolidayDialogTest, SaveAddsTheHolidayAsTheCurrentOneAndCloses)
{
    int accepted = 0;
    QObject::connect(dialog_.get(), &QDialog::accepted, [&] { ++accepted; });
    Fill("Test", 2, "17");
    ClickSave();

    ASSERT_EQ(FixedHolidays().RowCount(), 8);
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Month), HolidayCell(3));
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Day), HolidayCell(QString("17")));
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Name), HolidayCell(QString("Test")));
    EXPECT_EQ(state_.fixedCount, 8);
    EXPECT_EQ(state_.currentFixed, 8);
    EXPECT_EQ(state_.refreshes, 1);
    EXPECT_EQ(accepted, 1);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(messages_.isEmpty());

    EXPECT_EQ(ReadSetting(key::FixedHolidaysCount, ""), "8");
    EXPECT_TRUE(ReadSetting("1Data", "").endsWith(QString::fromUtf8("10|¬3|")));
    EXPECT_TRUE(ReadSetting("2Data", "").endsWith(QString::fromUtf8("31|¬17|")));
    EXPECT_TRUE(ReadSetting("3Data", "").endsWith(QString::fromUtf8("Halloween|¬Test|")));
    EXPECT_EQ(ReadSetting(key::FloatingHolidaysCount, ""), "10");

    // The next load reads the typed day back as a number.
    LoadHolidays();
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Day), HolidayCell(17));
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Name), HolidayCell(QString("Test")));
}

TEST_F(FixedHolidayDialogTest, EnterInAnyBoxSavesAndEscCloses)
{
    EXPECT_TRUE(Child<QPushButton>("PushButton8")->isDefault());
    EXPECT_FALSE(Child<QPushButton>("PushButton6")->isDefault());
    Fill("Test", 2, "17");
    test::PressKey(Child<QLineEdit>("Text2"), Qt::Key_Return);
    ASSERT_EQ(FixedHolidays().RowCount(), 8);
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Name), HolidayCell(QString("Test")));
    EXPECT_FALSE(dialog_->isVisible());

    int rejected = 0;
    QObject::connect(dialog_.get(), &QDialog::rejected, [&] { ++rejected; });
    dialog_->show();
    ASSERT_TRUE(test::WaitUntil([&] { return dialog_->isVisible(); }));
    Child<QLineEdit>("Text3")->setText("Other");
    test::PressKey(Child<QLineEdit>("Text3"), Qt::Key_Escape);
    EXPECT_EQ(rejected, 1);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(FixedHolidays().RowCount(), 8);
}

TEST_F(FixedHolidayDialogTest, TheNameLabelShowsItsWholeText)
{
    auto* label = Child<QLabel>("Label6");
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width());
    // It does not run under the name box beside it.
    EXPECT_LE(label->geometry().right(), Child<QLineEdit>("Text3")->geometry().left());
}

TEST_F(FixedHolidayDialogTest, TheMonthBoxShowsSeptemberWhole)
{
    auto* months = Child<QComboBox>("cmbMonth1");
    EXPECT_TRUE(test::ComboShowsWhole(months, "September"));
    // Nothing overlaps: label, month box, "Day:" and a day box that still takes two digits.
    auto* dayLabel = Child<QLabel>("Label2");
    auto* day = Child<QLineEdit>("Text2");
    EXPECT_EQ(months->geometry().left(), 56);  // where it was designed, touching "Month:"
    EXPECT_LT(months->geometry().right(), dayLabel->geometry().left());
    EXPECT_LE(QFontMetrics(dayLabel->font()).horizontalAdvance(dayLabel->text()),
              day->geometry().left() - dayLabel->geometry().left());
    EXPECT_GE(day->width(), QFontMetrics(day->font()).horizontalAdvance("31") + 12);
}

TEST_F(FixedHolidayDialogTest, AnEmptyFieldStopsTheSaveSilently)
{
    Fill("Test", 2, "");
    ClickSave();
    ExpectNothingStored();
    Child<QLineEdit>("Text2")->setText("17");
    Child<QLineEdit>("Text3")->clear();
    ClickSave();
    ExpectNothingStored();
    Child<QLineEdit>("Text3")->setText("Test");
    Child<QComboBox>("cmbMonth1")->setCurrentIndex(-1);
    ClickSave();
    ExpectNothingStored();
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(Child<QLineEdit>("Text2")->text(), "17");  // the contents stay for the user to finish
}

TEST_F(FixedHolidayDialogTest, NameWithASeparatorIsRefusedWithAMessage)
{
    for (const QString& name : {QString("Sun|Day"), QString::fromUtf8("Sun¬Day")}) {
        messages_.clear();
        Child<QLineEdit>("Text3")->clear();
        Child<QLineEdit>("Text2")->clear();
        Fill(name, 5, "21");
        ClickSave();
        ASSERT_EQ(messages_.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages_.front().contains("|"));
        ExpectNothingStored();
    }
}

TEST_F(FixedHolidayDialogTest, DayOutsideTheChosenMonthIsRefusedWithAMessage)
{
    Fill("Leap", 1, "30");
    ClickSave();
    EXPECT_EQ(messages_, QStringList{"Please enter the day as a whole number from 1 to 29."});
    ExpectNothingStored();

    for (const char* day : {"0", "abc", "17.5", "-3"}) {
        messages_.clear();
        Child<QLineEdit>("Text2")->setText(day);
        ClickSave();
        EXPECT_EQ(messages_.size(), 1) << day;
        ExpectNothingStored();
    }

    messages_.clear();
    Child<QLineEdit>("Text2")->setText("29");
    ClickSave();
    EXPECT_TRUE(messages_.isEmpty());
    ASSERT_EQ(FixedHolidays().RowCount(), 8);
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Month), HolidayCell(2));
    EXPECT_EQ(FixedHolidays().Cell(8, fixed_column::Day), HolidayCell(QString("29")));
}

TEST_F(FixedHolidayDialogTest, CloseStoresNothing)
{
    int rejected = 0;
    QObject::connect(dialog_.get(), &QDialog::rejected, [&] { ++rejected; });
    Fill("Test", 2, "17");
    test::Click(Child<QPushButton>("PushButton6"));
    EXPECT_EQ(rejected, 1);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
    EXPECT_EQ(ReadSetting(key::FixedHolidaysCount, ""), "7");
    EXPECT_EQ(state_.refreshes, 0);
}

TEST_F(FixedHolidayDialogTest, AFullTableIsReportedAndNothingElseHappens)
{
    FixedHolidays().Reset(kMaxHolidayRows);
    SaveHolidays();  // the add starts from what is stored
    Fill("Test", 2, "17");
    ClickSave();
    ASSERT_EQ(errors_.messages.size(), 1u);
    EXPECT_NE(errors_.messages.front().find(std::string(location::frmFixedHolidays_PushButton8_Click) +
                                            "at line 102"),
              std::string::npos)
        << errors_.messages.front();
    errors_.messages.clear();
    EXPECT_EQ(FixedHolidays().RowCount(), kMaxHolidayRows);
    EXPECT_EQ(ReadSetting(key::FixedHolidaysCount, ""), QString::number(kMaxHolidayRows));  // not saved
    EXPECT_EQ(state_.fixedCount, 7);
    EXPECT_EQ(state_.refreshes, 0);
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(FixedHolidayDialogTest, AStoreThatCannotBeWrittenIsReportedByTheTrap)
{
    // Point the store at a folder instead of a file: the save fails and the trap reports it.
    settings_.reset();
    settings_ = std::make_unique<ScopedSettingsFile>(dir_.path());
    Fill("Test", 2, "17");
    ClickSave();
    ASSERT_EQ(errors_.messages.size(), 1u);
    EXPECT_NE(errors_.messages.front().find(std::string(location::frmFixedHolidays_PushButton8_Click) +
                                            "at line 102"),
              std::string::npos)
        << errors_.messages.front();
    errors_.messages.clear();
}

}  // namespace
}  // namespace morvessa
