#include "app/HolidaysMenu.h"
#include "app/MainWindow.h"
#include "calendar/FirstStart.h"
#include "calendar/IcsExport.h"
#include "calendar/StoredCalendars.h"
#include "dialogs/HolidayListDialog.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/WorldHolidaysDialog.h"
#include "holidays/world/WorldSources.h"
#include "holidays/HolidayEditing.h"
#include "holidays/HolidayRules.h"

#include "colours/ColorPalette.h"
#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "preview/PreviewWindow.h"
#include "widgets/ScreenReader.h"
#include "widgets/UiRoutines.h"
#include "core/ErrorTrap.h"
#include "support/UiTestSupport.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QComboBox>
#include <QDate>
#include <set>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace morvessa {
namespace {

class FakeInstanceUi final : public InstanceCheckUi {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        return answerYes;
    }
    void EndProgram() override { ended = true; }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answerYes = false;
    bool ended = false;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : registry_(registryDir_.path().toStdString()), reporterScope_(errors_),
          catalogueScope_(catalogueMessages_)
    {
        test::TestApplication();
    }
    ~MainWindowTest() override { form_.reset(); }

    MainWindow& Load()
    {
        MainWindowEnvironment environment;
        environment.programFolder = programFolder_.path();
        environment.instanceUi = useWindowBoxes_ ? nullptr : &instanceUi_;
        if (recordGeneration_)
            environment.generate = [this](CalendarYear year, GenerationUi& ui) {
                generatedYears_.push_back(year.Number());
                busyDuringGeneration_ = form_->Busy();
                if (handover_)
                    handover_(ui);
            };
        environment.runDialog = runDialog_;
        environment.quit = [this] { ++quitCalls_; };
        environment.showMessage = showMessage_;
        environment.chooseIcsFile = chooseIcsFile_;
        form_ = std::make_unique<MainWindow>(environment);
        return *form_;
    }

    template <typename Widget>
    Widget* Control(const char* name)
    {
        auto* widget = form_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Setting(const char* name)
    {
        return ReadSetting(QString::fromLatin1(name), QStringLiteral("<absent>"));
    }
    void SelectName(const char* box, int index)
    {
        auto* combo = Control<QComboBox>(box);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Click(const char* button) { Control<QPushButton>(button)->click(); }

    QTemporaryDir programFolder_;
    test::PrivateSettings settings_;
    QTemporaryDir registryDir_;
    ScopedInstanceRegistryFolder registry_;
    RecordingErrorReporter errors_;
    ScopedErrorReporter reporterScope_;
    RecordingCatalogueMessageSink catalogueMessages_;
    ScopedCatalogueMessageSink catalogueScope_;
    FakeInstanceUi instanceUi_;
    bool useWindowBoxes_ = false;
    bool recordGeneration_ = true;
    std::vector<int> generatedYears_;
    bool busyDuringGeneration_ = false;
    std::function<void(GenerationUi&)> handover_;
    std::function<void(QDialog&)> runDialog_;
    std::function<void(const QString&)> showMessage_;
    std::function<QString(bool)> chooseIcsFile_;
    int quitCalls_ = 0;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(MainWindowTest, AfterLoadEveryListIsFilledAndTheFirstHolidaysAreShown)
{
    MainWindow& form = Load();
    EXPECT_TRUE(errors_.messages.empty()) << errors_.messages.front();
    EXPECT_TRUE(form.Ready());
    EXPECT_FALSE(form.isVisible());

    const QStringList months = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
    EXPECT_EQ(form.MonthNames(), months);
    for (const char* box : {"cmbMonth1", "cmbMonth2"}) {
        auto* combo = Control<QComboBox>(box);
        ASSERT_EQ(combo->count(), 12);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(combo->itemText(i), months[i]);
    }
    auto* list1 = Control<QListWidget>("List1");
    auto* list2 = Control<QListWidget>("List2");
    ASSERT_EQ(list1->count(), 7);
    EXPECT_EQ(list1->item(0)->text(), "Sunday");
    EXPECT_EQ(list1->item(6)->text(), "Saturday");
    ASSERT_EQ(list2->count(), 5);
    EXPECT_EQ(list2->item(4)->text(), "Last");

    auto* year = Control<QLineEdit>("Text5");
    EXPECT_EQ(year->text(), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(year->selectedText(), year->text());

    EXPECT_EQ(form.CurrentFixed(), 1);
    EXPECT_EQ(form.CurrentFloating(), 1);
    EXPECT_EQ(form.FixedCount(), 7);
    EXPECT_EQ(form.FloatingCount(), 10);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->count(), 7);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentText(), "New Year's Day");
    EXPECT_EQ(Control<QComboBox>("cmbMonth2")->currentText(), "January");
    EXPECT_EQ(Control<QLineEdit>("Text2")->text(), "1");
    // The selected holiday's day is shown, never typed over (typed text was silently lost).
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    QApplication::sendEvent(Control<QLineEdit>("Text2"), &typed);
    EXPECT_EQ(Control<QLineEdit>("Text2")->text(), "1");
    EXPECT_EQ(Control<QComboBox>("cmbNameFloating")->count(), 10);
    EXPECT_EQ(Control<QComboBox>("cmbNameFloating")->currentText(), "Memorial Day");
    EXPECT_EQ(Control<QComboBox>("cmbMonth1")->currentText(), "May");
    EXPECT_EQ(list1->currentItem()->text(), "Monday");
    EXPECT_EQ(list2->currentItem()->text(), "Last");

    // First run: the catalogue and the colour defaults are stored, and the install check ran.
    EXPECT_EQ(Setting(key::FixedHolidaysCount), "7");
    EXPECT_EQ(Setting(key::HolidaysColor), "36");
    EXPECT_TRUE(instanceUi_.messages.empty());
    EXPECT_FALSE(instanceUi_.ended);
    EXPECT_EQ(form.windowTitle(), "Morvessa");
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(MainWindowTest, LayoutFollowsTheDesignInPixels)
{
    MainWindow& form = Load();
    // The menu bar sits above the design area and the window grows by its height.
    ASSERT_NE(form.MenuBar(), nullptr);
    const int bar = form.MenuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(form.MenuBar()->geometry(), QRect(0, 0, 536, bar));
    EXPECT_EQ(form.size(), QSize(536, 602 + bar));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);

    struct Expected {
        const char* name;
        const char* container;
        QRect geometry;
        const char* caption;
    };
    const Expected expected[] = {
        {"PushButton2", "Form1", {8, 7, 520, 27}, "Start Creating Template"},
        {"Frame4", "Form1", {8, 36, 256, 52}, "What year?"},
        {"Text5", "Frame4", {16, 18, 223, 23}, nullptr},
        {"Frame3", "Form1", {272, 36, 256, 52}, "Include Easter?"},
        {"Option1", "Frame3", {16, 22, 49, 17}, " Yes"},
        {"Option2", "Frame3", {80, 22, 49, 17}, " No"},
        {"Frame1", "Form1", {8, 92, 520, 191}, "Fixed Date Holidays"},
        {"Label3", "Frame1", {16, 24, 41, 17}, "Name:"},
        {"cmbNameFixed", "Frame1", {64, 20, 439, 23}, nullptr},
        {"Label1", "Frame1", {16, 56, 41, 17}, "Month:"},
        {"cmbMonth2", "Frame1", {64, 52, 191, 23}, nullptr},
        {"Label2", "Frame1", {280, 56, 25, 17}, "Day:"},
        {"Text2", "Frame1", {312, 52, 191, 23}, nullptr},
        {"PushButton4", "Frame1", {16, 84, 487, 27}, "Add Holiday"},
        {"PushButton5", "Frame1", {16, 118, 487, 27}, "Delete Selected Holiday"},
        {"PushButton10", "Frame1", {16, 152, 487, 27}, "Restore Defaults"},
        {"Frame2", "Form1", {8, 287, 520, 249}, "Floating Date Holidays"},
        {"Label6", "Frame2", {16, 24, 41, 17}, "Name:"},
        {"cmbNameFloating", "Frame2", {64, 20, 439, 23}, nullptr},
        {"Label4", "Frame2", {16, 56, 41, 17}, "Month:"},
        {"cmbMonth1", "Frame2", {64, 52, 439, 23}, nullptr},
        {"Label5", "Frame2", {16, 88, 25, 17}, "Day:"},
        {"List1", "Frame2", {64, 84, 175, 49}, nullptr},
        {"Label7", "Frame2", {248, 88, 73, 17}, "Occurance:"},
        {"List2", "Frame2", {327, 84, 175, 49}, nullptr},
        {"PushButton8", "Frame2", {16, 141, 487, 27}, "Add Holiday"},
        {"PushButton9", "Frame2", {16, 175, 487, 27}, "Delete Selected Holiday"},
        {"PushButton11", "Frame2", {16, 209, 487, 27}, "Restore Defaults"},
        {"Frame5", "Form1", {8, 539, 520, 56}, "Color"},
        {"PushButton1", "Frame5", {16, 18, 161, 27}, "Holiday"},
        {"PushButton12", "Frame5", {184, 18, 161, 27}, "Day"},
        {"PushButton13", "Frame5", {352, 18, 153, 27}, "Other"},
    };
    for (const Expected& e : expected) {
        QWidget* widget = Control<QWidget>(e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), e.container) << e.name;
        const bool onTheWindow = QLatin1String(e.container) == QLatin1String("Form1");
        EXPECT_EQ(widget->geometry(), e.geometry.translated(0, onTheWindow ? bar : 0)) << e.name;
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = QString(button->text()).remove(u'&');  // the letter Alt reaches it by
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            caption = frame->title();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            caption = label->text();
        if (e.caption) {
            EXPECT_EQ(caption, e.caption) << e.name;
        }

        const QFont font = widget->font();
        EXPECT_EQ(font.family(), "Arial") << e.name;
        EXPECT_TRUE(font.bold()) << e.name;
        const bool pushButton = qobject_cast<QPushButton*>(widget) != nullptr;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), pushButton ? 11.25 : 9.0) << e.name;
    }
}

TEST_F(MainWindowTest, TheMenuBarHoldsTheHolidaysCalendarAndHelpMenus)
{
    QString about;
    runDialog_ = [&](QDialog& dialog) {
        if (auto* box = qobject_cast<AboutDialog*>(&dialog))
            about = box->Text();
    };
    MainWindow& form = Load();
    const QList<QAction*> menus = form.MenuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->menu(), form.HolidaysMenu());
    EXPECT_EQ(menus[1]->menu(), form.CalendarMenu());
    EXPECT_EQ(menus[2]->menu(), form.HelpMenu());
    EXPECT_EQ(form.HolidaysMenu()->title(), "&Holidays");
    EXPECT_EQ(form.CalendarMenu()->title(), "&Calendar");
    // The About box names the holiday data, its version and licence.
    form.HelpMenu()->actions().value(0)->trigger();
    EXPECT_TRUE(about.contains(QStringLiteral("Holiday data: date-holidays 3."))) << about.toStdString();
    EXPECT_TRUE(about.contains(world::DataDescription())) << about.toStdString();
    EXPECT_TRUE(about.contains(QStringLiteral("Licence of the holiday data: CC BY-SA 3.0 / ISC")));
    // The bar does not take the design font of the controls.
    EXPECT_FALSE(form.MenuBar()->font().bold());
}

TEST_F(MainWindowTest, HolidaysMenuAddsACountryAndUndoTakesBackItAndADelete)
{
    ProgramHolidayUndo().Clear();
    RuleHolidays().clear();
    std::vector<QString> messages;
    runDialog_ = [](QDialog& dialog) {
        if (auto* country = qobject_cast<WorldHolidaysDialog*>(&dialog)) {
            country->SelectPlace(QStringLiteral("DE"));
            country->accept();
        }
    };
    showMessage_ = [&](const QString& text) { messages.push_back(text); };
    MainWindow& form = Load();
    QAction* undo = form.HolidaysAction("Undo");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));

    world::SaveWorldSources({});
    form.HolidaysAction("AddCountry")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Added the holidays of Germany.");
    ASSERT_EQ(world::StoredWorldSources().size(), 1u);
    EXPECT_EQ(world::StoredWorldSources()[0].code, "DE");
    emit form.HolidaysMenu()->aboutToShow();
    EXPECT_EQ(undo->text(), "&Undo Add Country");

    // The Parts' delete button is undoable too, and Undo goes back one change at a time.
    Click("PushButton5");
    EXPECT_EQ(Setting(key::FixedHolidaysCount), "6");
    emit form.HolidaysMenu()->aboutToShow();
    EXPECT_EQ(undo->text(), "&Undo Delete");
    undo->trigger();
    EXPECT_EQ(Setting(key::FixedHolidaysCount), "7");
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->count(), 7);
    EXPECT_EQ(form.FixedCount(), 7);
    // Ctrl+Z in the year box: first the box's own typing, then the window's Undo.
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* year = Control<QLineEdit>("Text5");
    year->setFocus();
    const QString shown = year->text();
    QTest::keyClick(year, Qt::Key_End);
    QTest::keyClick(year, Qt::Key_5);
    QTest::keyClick(year, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(year->text(), shown);
    EXPECT_EQ(world::StoredWorldSources().size(), 1u);
    QTest::keyClick(year, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(world::StoredWorldSources().empty());
    emit form.HolidaysMenu()->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(MainWindowTest, TheHolidaysMenuListsTheYearsHolidaysWithWhereTheyComeFrom)
{
    world::SaveWorldSources({{QStringLiteral("GB-SCT"), {QStringLiteral("public")}, QStringLiteral("en"), {}}});
    MainWindow& form = Load();
    QMenu* year = form.HolidaysMenu()->findChild<QMenu*>(QStringLiteral("YearHolidays"));
    ASSERT_NE(year, nullptr);
    Control<QLineEdit>("Text5")->setText(QStringLiteral("2026"));
    emit year->aboutToShow();
    QStringList texts;
    for (const QAction* action : year->actions())
        texts.append(action->text());
    const QString all = texts.join(u'\n');
    EXPECT_TRUE(all.contains(QStringLiteral("Mon 30 Nov\tSt Andrew\u2019s Day (Scotland, United Kingdom)"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("(fixed holidays)"))) << all.toStdString();
    // Unticking a country's holiday hides that one holiday of its source; ticking shows it again.
    QAction* andrew = nullptr;
    for (QAction* action : year->actions())
        if (action->text().contains(QStringLiteral("St Andrew")))
            andrew = action;
    ASSERT_NE(andrew, nullptr);
    ASSERT_TRUE(andrew->isCheckable());
    andrew->setChecked(false);
    EXPECT_EQ(world::StoredWorldSources()[0].hiddenRules, QStringList{QStringLiteral("11-30")});
    emit year->aboutToShow();
    for (QAction* action : year->actions())
        if (action->text().contains(QStringLiteral("St Andrew")))
            andrew = action;
    EXPECT_FALSE(andrew->isChecked());
    andrew->setChecked(true);
    EXPECT_TRUE(world::StoredWorldSources()[0].hiddenRules.isEmpty());

    Control<QLineEdit>("Text5")->setText(QStringLiteral("next"));
    emit year->aboutToShow();
    ASSERT_EQ(year->actions().size(), 1);
    EXPECT_FALSE(year->actions()[0]->isEnabled());
    world::SaveWorldSources({});
}

std::set<std::pair<CalendarDate, QString>> DaysOf(const std::vector<MarkedHoliday>& marked)
{
    std::set<std::pair<CalendarDate, QString>> days;
    for (const MarkedHoliday& day : marked)
        days.insert({day.date, day.name});
    return days;
}

TEST_F(MainWindowTest, ExportThenImportIntoAnotherStoreBringsTheHolidaysBackAndBadFilesChangeNothing)
{
    ProgramHolidayUndo().Clear();
    RuleHolidays().clear();
    std::vector<QString> messages;
    showMessage_ = [&](const QString& text) { messages.push_back(text); };
    QString chosen;
    chooseIcsFile_ = [&](bool) { return chosen; };
    runDialog_ = [](QDialog& dialog) {
        if (auto* country = qobject_cast<WorldHolidaysDialog*>(&dialog)) {
            country->SelectPlace(QStringLiteral("GB"));
            country->accept();
        } else if (dialog.objectName() == "ExportYearsDialog") {
            dialog.findChild<QSpinBox*>(QStringLiteral("FirstYear"))->setValue(2025);
            dialog.findChild<QSpinBox*>(QStringLiteral("LastYear"))->setValue(2026);
            dialog.accept();
        } else if (dialog.objectName() == "ImportIcsOptions") {
            dialog.accept();
        }
    };
    MainWindow& form = Load();
    form.HolidaysAction("AddCountry")->trigger();
    const std::vector<MarkedHoliday> marked = MarkedHolidays(2025, 2026);
    const std::set<std::pair<CalendarDate, QString>> days = DaysOf(marked);
    chosen = programFolder_.filePath(QStringLiteral("holidays"));  // typed without its ending
    form.HolidaysAction("ExportIcs")->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Exported %1 holidays").arg(days.size()))) << messages[1].toStdString();
    EXPECT_FALSE(QFileInfo::exists(chosen));
    chosen += QStringLiteral(".ics");

    // Another user's store: the defaults only.
    form_.reset();
    test::PrivateSettings other;
    RuleHolidays().clear();
    MainWindow& fresh = Load();
    fresh.HolidaysAction("ImportIcs")->trigger();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(messages[2].startsWith(QStringLiteral("Imported the calendar \"holidays.ics\" with ")))
        << messages[2].toStdString();
    EXPECT_EQ(DaysOf(MarkedHolidays(2025, 2026)), days);
    const std::vector<StoredCalendar> imported = StoredCalendars();
    ASSERT_EQ(imported.size(), 1u);
    EXPECT_FALSE(imported[0].linked);

    // A broken file: a clear message and nothing changes.
    QFile broken(programFolder_.filePath(QStringLiteral("broken.ics")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG\r\n\x1a\n\0\0garbage");
    broken.close();
    chosen = broken.fileName();
    fresh.HolidaysAction("ImportIcs")->trigger();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_TRUE(messages[3].contains(QStringLiteral("nothing was imported")));
    EXPECT_EQ(StoredCalendars(), imported);

    // The holiday list shows the calendar as one row; removing it is undone, and so is the import.
    {
        HolidayListDialog list;
        const QList<QListWidgetItem*> rows =
            list.List()->findItems(QStringLiteral("Calendar: holidays.ics - "), Qt::MatchStartsWith);
        ASSERT_EQ(rows.size(), 1);
        list.List()->setCurrentItem(rows[0]);
        list.DeleteSelected();
        EXPECT_TRUE(StoredCalendars().empty());
    }
    fresh.HolidaysAction("Undo")->trigger();
    EXPECT_EQ(StoredCalendars(), imported);
    fresh.HolidaysAction("Undo")->trigger();
    EXPECT_TRUE(StoredCalendars().empty());
    EXPECT_NE(DaysOf(MarkedHolidays(2025, 2026)), days);
}

TEST_F(MainWindowTest, ShowEveryHolidayIsAStoredCheckOfTheHolidaysMenu)
{
    MainWindow& form = Load();
    QAction* every = form.HolidaysAction("ShowEveryHoliday");
    ASSERT_NE(every, nullptr);
    EXPECT_TRUE(every->isCheckable());
    emit form.HolidaysMenu()->aboutToShow();
    EXPECT_FALSE(every->isChecked());
    EXPECT_EQ(Setting(key::ShowEveryHoliday), "<absent>");  // the default is not written
    every->trigger();
    EXPECT_EQ(Setting(key::ShowEveryHoliday), "1");
    every->trigger();
    EXPECT_EQ(Setting(key::ShowEveryHoliday), "0");
}

TEST_F(MainWindowTest, TabFollowsTheWindowGroupByGroupAndEnterPressesTheFocusedButton)
{
    MainWindow& form = Load();
    const QStringList order = {"Text5",       "Option1",     "Option2",      "cmbNameFixed", "cmbMonth2",
                               "Text2",       "PushButton4", "PushButton5",  "PushButton10", "cmbNameFloating",
                               "cmbMonth1",   "List1",       "List2",        "PushButton8",  "PushButton9",
                               "PushButton11", "PushButton1", "PushButton12", "PushButton13", "PushButton2"};
    QStringList seen;
    QWidget* start = Control<QWidget>("Text5");
    QWidget* widget = start;
    do {
        if (order.contains(widget->objectName()) && !seen.contains(widget->objectName()))
            seen.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != start && widget != &form);
    if (widget == &form)  // the chain wraps through the window itself
        for (widget = widget->nextInFocusChain(); widget != start; widget = widget->nextInFocusChain())
            if (order.contains(widget->objectName()) && !seen.contains(widget->objectName()))
                seen.append(widget->objectName());
    EXPECT_EQ(seen, order);

    int dialogs = 0;
    runDialog_ = [&](QDialog&) { ++dialogs; };
    Load();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Control<QPushButton>("PushButton4"), &enter);
    EXPECT_EQ(dialogs, 1);

    // Alt and a button's underlined letter press it, even from the year box.
    MainWindow& shown = *form_;
    shown.show();
    shown.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
    auto* add = Control<QPushButton>("PushButton8");
    const QChar letter = MnemonicLetter(add->text());
    ASSERT_FALSE(letter.isNull());
    Control<QLineEdit>("Text5")->setFocus();
    QTest::keyClick(Control<QLineEdit>("Text5"), letter.toLatin1(), Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialogs == 2; }));  // the button shows itself pressed first
}

TEST_F(MainWindowTest, FocusingTheYearBoxSelectsItsWholeText)
{
    Load();
    auto* year = Control<QLineEdit>("Text5");
    year->setText("1999");
    year->deselect();
    ASSERT_TRUE(year->selectedText().isEmpty());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(year, &focusIn);
    EXPECT_EQ(year->selectedText(), "1999");
}

TEST_F(MainWindowTest, EachOfTwoHolidaysWithOneNameCanBeChosen)
{
    MainWindow& form = Load();
    FixedHolidays().Cell(5, fixed_column::Name) = HolidayCell("Flag Day");  // row 2 is "Flag Day" too
    SaveHolidays();
    form.ShowSelectedHolidays();

    SelectName("cmbNameFixed", 4);
    EXPECT_EQ(form.CurrentFixed(), 5);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentIndex(), 4);
    EXPECT_EQ(Control<QComboBox>("cmbMonth2")->currentText(), "November");
    EXPECT_EQ(Control<QLineEdit>("Text2")->text(), "11");
    SelectName("cmbNameFixed", 1);
    EXPECT_EQ(form.CurrentFixed(), 2);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentIndex(), 1);
    EXPECT_EQ(Control<QComboBox>("cmbMonth2")->currentText(), "June");
    // Deleting the second one deletes that one.
    SelectName("cmbNameFixed", 4);
    Click("PushButton5");
    EXPECT_EQ(FixedHolidays().Cell(2, fixed_column::Name).Text(), "Flag Day");
    EXPECT_EQ(FixedHolidays().Cell(5, fixed_column::Name).Text(), "Valentine's Day");
    EXPECT_TRUE(form.Ready());

    SelectName("cmbNameFloating", 4);  // "Thanksgiving"
    EXPECT_EQ(form.CurrentFloating(), 5);
    EXPECT_EQ(Control<QComboBox>("cmbMonth1")->currentText(), "November");
    EXPECT_EQ(Control<QListWidget>("List1")->currentItem()->text(), "Thursday");
    EXPECT_EQ(Control<QListWidget>("List2")->currentItem()->text(), "4th");
    EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(MainWindowTest, ANameTheCatalogueDoesNotHoldChangesNothing)
{
    MainWindow& form = Load();
    auto* names = Control<QComboBox>("cmbNameFixed");
    names->addItem("Not a holiday");
    const QString storedNames = Setting("3Data");
    SelectName("cmbNameFixed", names->count() - 1);
    EXPECT_EQ(form.CurrentFixed(), 1);
    EXPECT_EQ(Setting("3Data"), storedNames);
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
}

TEST_F(MainWindowTest, DeletingTheLastHolidayMakesTheOneBeforeItCurrent)
{
    MainWindow& form = Load();
    SelectName("cmbNameFixed", 6);  // "Halloween"
    ASSERT_EQ(form.CurrentFixed(), 7);
    Click("PushButton5");
    EXPECT_EQ(FixedHolidays().RowCount(), 6);
    EXPECT_EQ(form.CurrentFixed(), 6);
    EXPECT_EQ(form.FixedCount(), 6);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->count(), 6);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentText(), "Valentine's Day");
    EXPECT_EQ(Setting(key::FixedHolidaysCount), "6");

    SelectName("cmbNameFloating", 9);  // "Daylight Saving Time Ends"
    Click("PushButton9");
    EXPECT_EQ(form.CurrentFloating(), 9);
    EXPECT_EQ(form.FloatingCount(), 9);
    EXPECT_EQ(Control<QComboBox>("cmbNameFloating")->currentText(), "Daylight Saving Time Begins");
    EXPECT_EQ(Setting(key::FloatingHolidaysCount), "9");
    EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(MainWindowTest, DeletingInTheMiddleShowsTheHolidayThatMovedUp)
{
    MainWindow& form = Load();
    SelectName("cmbNameFixed", 1);  // "Flag Day"
    Click("PushButton5");
    EXPECT_EQ(form.CurrentFixed(), 2);
    EXPECT_EQ(form.FixedCount(), 6);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentText(), "Independence Day");
    EXPECT_EQ(Control<QComboBox>("cmbMonth2")->currentText(), "July");
    EXPECT_EQ(Control<QLineEdit>("Text2")->text(), "4");
    EXPECT_FALSE(Setting("3Data").contains("Flag Day"));
}

TEST_F(MainWindowTest, TheLastRemainingHolidayCannotBeDeleted)
{
    MainWindow& form = Load();
    for (int i = 0; i < 6; ++i)
        Click("PushButton5");
    ASSERT_EQ(FixedHolidays().RowCount(), 1);
    ASSERT_EQ(form.FixedCount(), 1);
    const QString stored = Setting("3Data");

    Click("PushButton5");
    EXPECT_EQ(FixedHolidays().RowCount(), 1);
    EXPECT_EQ(form.CurrentFixed(), 1);
    EXPECT_EQ(form.FixedCount(), 1);
    EXPECT_EQ(Setting("3Data"), stored);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentText(), "Halloween");
    EXPECT_TRUE(errors_.messages.empty());
}

// A first start that took a country's holidays: both lists load empty without a word, Delete and
// Restore Defaults work on them, and the country is told once, with where to change it.
TEST_F(MainWindowTest, AFirstStartWithACountrysHolidaysShowsEmptyListsAndTellsTheCountryOnce)
{
    ASSERT_TRUE(FollowSystemOnFirstStart(QLocale(QStringLiteral("de_DE"))));
    std::vector<QString> shown;
    showMessage_ = [&](const QString& text) { shown.push_back(text); };
    MainWindow& form = Load();
    EXPECT_EQ(form.FixedCount(), 0);
    EXPECT_EQ(form.FloatingCount(), 0);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->count(), 0);
    EXPECT_EQ(Control<QLineEdit>("Text2")->text(), "");
    Click("PushButton5");
    Click("PushButton9");
    EXPECT_TRUE(errors_.messages.empty()) << errors_.messages.front();
    EXPECT_TRUE(catalogueMessages_.messages.empty());

    form.HolidaysChoices()->TellFirstStartCountry();
    form.HolidaysChoices()->TellFirstStartCountry();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("Germany"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].contains(QStringLiteral("Holidays \u2192 Add a Country's Holidays.")))
        << shown[0].toStdString();
    EXPECT_TRUE(shown[0].contains(QStringLiteral("To take them out: Holidays \u2192 Edit Holiday.")))
        << shown[0].toStdString();

    Click("PushButton10");
    EXPECT_EQ(form.FixedCount(), 7);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentText(), "New Year's Day");
}

TEST_F(MainWindowTest, RestoreDefaultsBringsBackTheListWithTheFirstHolidayCurrent)
{
    MainWindow& form = Load();
    SelectName("cmbNameFixed", 3);
    Click("PushButton5");
    Click("PushButton5");
    Click("PushButton10");
    EXPECT_EQ(FixedHolidays().RowCount(), 7);
    EXPECT_EQ(form.CurrentFixed(), 1);
    EXPECT_EQ(form.FixedCount(), 7);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentText(), "New Year's Day");

    SelectName("cmbNameFloating", 3);
    Click("PushButton9");
    Click("PushButton11");
    EXPECT_EQ(form.CurrentFloating(), 1);
    EXPECT_EQ(form.FloatingCount(), 10);
    EXPECT_EQ(Setting(key::FloatingHolidaysCount), "10");
    EXPECT_EQ(Control<QComboBox>("cmbNameFloating")->currentText(), "Memorial Day");
}

TEST_F(MainWindowTest, EasterOptionFollowsTheSettingAndStoresTheChoice)
{
    {
        Load();
        EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
        EXPECT_EQ(Setting(key::Easter), "1");  // written back by the load
        Control<QRadioButton>("Option2")->click();
        EXPECT_EQ(Setting(key::Easter), "2");
        Control<QRadioButton>("Option1")->click();
        EXPECT_EQ(Setting(key::Easter), "1");
    }
    WriteSetting(key::Easter, "2");
    Load();
    EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(Setting(key::Easter), "2");
    EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(MainWindowTest, AnUnreadableEasterSettingIsReportedAndYesIsChosen)
{
    WriteSetting(key::Easter, "maybe");
    Load();
    ASSERT_EQ(errors_.messages.size(), 1u);
    EXPECT_NE(errors_.messages[0].find("Form1.Form_Load at line 180"), std::string::npos);
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(Setting(key::Easter), "1");
}

TEST_F(MainWindowTest, YearCheckAcceptsWholeNumbersAndRefusesTheRest)
{
    Load();
    auto* year = Control<QLineEdit>("Text5");
    test::ModalBoxWatcher boxes;
    for (const char* accepted : {"2021", " 2021 "}) {
        year->setText(accepted);
        Click("PushButton2");
    }
    EXPECT_EQ(generatedYears_, (std::vector<int>{2021, 2021}));
    EXPECT_TRUE(boxes.boxes().empty());

    for (const char* refused : {"", "abc", "2021.5"}) {
        year->setText(refused);
        Click("PushButton2");
        EXPECT_EQ(year->text(), refused);
    }
    EXPECT_EQ(generatedYears_.size(), 2u);
    ASSERT_EQ(boxes.boxes().size(), 3u);
    for (const test::SeenBox& box : boxes.boxes()) {
        EXPECT_EQ(box.text, "You must enter a valid year.");
        EXPECT_EQ(box.title, "Morvessa");
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    EXPECT_TRUE(errors_.messages.empty());
}

// Whatever spelling the check lets through is the plain year the calendar is made for, and the box
// then shows that year.
TEST_F(MainWindowTest, EveryAcceptedSpellingStartsThePlainClampedYearAndTheBoxShowsIt)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Load();
    auto* year = Control<QLineEdit>("Text5");
    test::ModalBoxWatcher boxes;
    const std::vector<std::pair<const char*, int>> cases = {
        {"02024", 2024}, {"+2024", 2024}, {"2,024", 2024}, {"2024.0", 2024},
        {" 2024", 2024}, {"1850", 1900},  {"2150", 2100},  {"-7", 1900}};
    for (const auto& [typed, used] : cases) {
        generatedYears_.clear();
        year->setText(QString::fromLatin1(typed));
        Click("PushButton2");
        EXPECT_EQ(generatedYears_, std::vector<int>{used}) << typed;
        EXPECT_EQ(year->text(), QString::number(used)) << typed;
    }
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_TRUE(errors_.messages.empty());
    QLocale::setDefault(previous);
}

TEST_F(MainWindowTest, EnterInTheYearBoxStartsTheCalendar)
{
    Load();
    auto* year = Control<QLineEdit>("Text5");
    year->setText("2031");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(year, &press);
    EXPECT_EQ(generatedYears_, (std::vector<int>{2031}));
    EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(MainWindowTest, EachColourButtonTitlesThePickerWithTheColourItEdits)
{
    QStringList titles;
    runDialog_ = [&](QDialog& dialog) { titles << dialog.windowTitle(); };
    Load();
    Click("PushButton1");
    Click("PushButton12");
    Click("PushButton13");
    EXPECT_EQ(titles, (QStringList{"Holiday colour", "Day colour", "Other colour"}));
}

TEST_F(MainWindowTest, ARunningHostStopsTheStartUnlessTheUserSaysYes)
{
    Load();
    ApplicationPtr running = CreateObject(kHostProgId);
    instanceUi_.answerYes = false;
    Click("PushButton2");
    EXPECT_EQ(instanceUi_.questions.size(), 1u);
    EXPECT_TRUE(generatedYears_.empty());

    instanceUi_.answerYes = true;
    Click("PushButton2");
    EXPECT_EQ(generatedYears_.size(), 1u);
}

TEST_F(MainWindowTest, TheRunningHostWarningIsAYesNoBoxWithTheApplicationTitle)
{
    useWindowBoxes_ = true;
    Load();
    ApplicationPtr running = CreateObject(kHostProgId);
    test::ModalBoxWatcher boxes(QMessageBox::No);
    Click("PushButton2");
    EXPECT_TRUE(generatedYears_.empty());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, "Morvessa");
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes.boxes()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(boxes.boxes()[0].text, MessageBoxText(kExcelOpenWarningMessage));
}

TEST_F(MainWindowTest, ColourButtonsStoreTheColourAfterSaveAndAfterCancel)
{
    runDialog_ = [](QDialog&) { CurrentColorIndex() = 5; };  // the picker saved colour 5
    Load();
    Click("PushButton1");
    EXPECT_EQ(Setting(key::HolidaysColor), "5");

    runDialog_ = [](QDialog&) {};  // cancelled: the colour read on entry is written back
    Load();
    EXPECT_EQ(Setting(key::DaysColor), "0");
    Click("PushButton12");
    EXPECT_EQ(Setting(key::DaysColor), "-4142");
    Click("PushButton13");
    EXPECT_EQ(Setting(key::EmptyColor), "15");
    EXPECT_TRUE(errors_.messages.empty());

    // Each button shows the colour it now sets: palette 36 and 15, and "no colour" as a white box
    // crossed through; the picker's exchange value is left alone.
    const auto shown = [&](const char* button, QPoint at) {
        return Control<QPushButton>(button)->icon().pixmap(12, 12).toImage().pixelColor(at);
    };
    runDialog_ = [](QDialog&) { CurrentColorIndex() = 36; };
    Load();
    Click("PushButton1");
    EXPECT_EQ(shown("PushButton1", {6, 6}), QColor::fromRgb(DefaultColorPalette()[35].Argb()));
    CurrentColorIndex() = 7;
    Load();
    EXPECT_EQ(CurrentColorIndex(), 7);
    EXPECT_EQ(shown("PushButton1", {6, 6}), QColor::fromRgb(DefaultColorPalette()[35].Argb()));
    EXPECT_EQ(shown("PushButton13", {6, 6}), QColor::fromRgb(DefaultColorPalette()[14].Argb()));
    EXPECT_EQ(shown("PushButton12", {3, 3}), QColor(Qt::white));
    EXPECT_EQ(shown("PushButton12", {6, 5}), QColor(Qt::black));
}

TEST_F(MainWindowTest, AddHolidayOpensTheDialogOwnedByTheMainWindowAndItsSaveShowsInTheList)
{
    std::vector<std::string> opened;
    runDialog_ = [&](QDialog& dialog) {
        opened.push_back(dialog.objectName().toStdString());
        EXPECT_EQ(dialog.parentWidget(), form_.get());
        if (dialog.objectName() != "frmFixedHolidays")
            return;
        QTimer::singleShot(0, &dialog, [&dialog] {
            dialog.findChild<QLineEdit*>("Text3")->setText("Harvest Day");
            dialog.findChild<QComboBox*>("cmbMonth1")->setCurrentText("September");
            dialog.findChild<QLineEdit*>("Text2")->setText("21");
            dialog.findChild<QPushButton*>("PushButton8")->click();
        });
        dialog.exec();
    };
    MainWindow& form = Load();
    Click("PushButton8");
    Click("PushButton4");
    EXPECT_EQ(opened, (std::vector<std::string>{"frmFloatingHolidays", "frmFixedHolidays"}));

    EXPECT_EQ(FixedHolidays().RowCount(), 8);
    EXPECT_EQ(form.FixedCount(), 8);
    EXPECT_EQ(form.CurrentFixed(), 8);
    auto* names = Control<QComboBox>("cmbNameFixed");
    EXPECT_EQ(names->count(), 8);
    EXPECT_EQ(names->currentText(), "Harvest Day");
    EXPECT_EQ(Control<QComboBox>("cmbMonth2")->currentText(), "September");
    EXPECT_EQ(Control<QLineEdit>("Text2")->text(), "21");
    EXPECT_TRUE(errors_.messages.empty()) << errors_.messages.front();
}

// Presses the real picker's button with the given caption once it is open.
std::function<void(QDialog&)> PressInPicker(const QString& caption)
{
    return [caption](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog, caption] {
            for (QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->text() == caption) {
                    button->click();
                    return;
                }
            dialog.reject();
        });
        dialog.exec();
    };
}

TEST_F(MainWindowTest, TheRealColourPickerExchangesTheColourThroughTheButtons)
{
    runDialog_ = PressInPicker("Cancel");
    Load();
    Click("PushButton12");
    EXPECT_EQ(Setting(key::DaysColor), "-4142");
    Click("PushButton1");
    EXPECT_EQ(Setting(key::HolidaysColor), "36");

    runDialog_ = PressInPicker("Save");
    Load();
    Click("PushButton1");
    EXPECT_EQ(Setting(key::HolidaysColor), "36");
    Click("PushButton12");  // no colour shows as 0 in the picker and is saved as 0
    EXPECT_EQ(Setting(key::DaysColor), "0");
    EXPECT_TRUE(errors_.messages.empty()) << errors_.messages.front();
}

TEST_F(MainWindowTest, StartHandsTheResultToThePreviewAndHidesTheMainWindow)
{
    handover_ = [this](GenerationUi& ui) {
        EXPECT_EQ(ui.MonthSelectorIndex(), Control<QComboBox>("cmbMonth2")->currentIndex());
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString file = settings_.Folder() + QStringLiteral("/temp.bmp");
        ASSERT_TRUE(picture.save(file, "BMP"));
        ui.SetPreviewPictureFile(file.toStdString());
        ui.SetPreviewWorkbook((settings_.Folder() + "/tqmrex12345678.xls").toStdString());
        ui.ShowPreview();
        ui.HideMainWindow();
    };
    MainWindow& form = Load();
    form.show();
    Click("PushButton2");
    EXPECT_TRUE(busyDuringGeneration_);
    EXPECT_FALSE(form.Busy());
    EXPECT_FALSE(form.isVisible());
    ASSERT_NE(form.Preview(), nullptr);
    EXPECT_TRUE(form.Preview()->isVisible());
    EXPECT_EQ(form.Preview()->Picture().size(), QSize(40, 30));
    EXPECT_EQ(form.Preview()->ExcelFile(), settings_.Folder() + "/tqmrex12345678.xls");
    form.Preview()->hide();
}

TEST_F(MainWindowTest, AFullStartGeneratesTheWorkbookAndShowsThePreview)
{
    const QByteArray previousTemp = qgetenv("TEMP");
    qputenv("TEMP", settings_.Folder().toUtf8());
    recordGeneration_ = false;
    MainWindow& form = Load();
    Control<QLineEdit>("Text5")->setText("2024");
    form.show();
    Click("PushButton2");
    qputenv("TEMP", previousTemp);

    EXPECT_TRUE(errors_.messages.empty()) << errors_.messages.front();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Busy());
    ASSERT_NE(form.Preview(), nullptr);
    EXPECT_TRUE(form.Preview()->isVisible());
    EXPECT_FALSE(form.Preview()->Picture().isNull());
    const QString workbook = form.Preview()->ExcelFile();
    EXPECT_TRUE(workbook.startsWith(settings_.Folder()));
    EXPECT_TRUE(QFile::exists(workbook));
    EXPECT_FALSE(QFile::exists(settings_.Folder() + "/temp.bmp"));
    EXPECT_FALSE(QFile::exists(QFileInfo(workbook).absolutePath() + "/temp.bmp"));
    form.Preview()->hide();
}

TEST_F(MainWindowTest, WithoutTheHostTheInstallCheckEndsTheProgram)
{
    ScopedInstanceFactory noHost([]() -> ApplicationPtr { throw HostInstanceError("cannot start"); });
    Load();
    ASSERT_EQ(instanceUi_.messages.size(), 1u);
    EXPECT_EQ(instanceUi_.messages[0], kExcelNotInstalledMessage);
    EXPECT_TRUE(instanceUi_.ended);
}

TEST_F(MainWindowTest, ADamagedCatalogueIsReportedAndTheLoadGoesOn)
{
    WriteSetting(key::FixedHolidaysCount, "-3");
    WriteSetting(key::FloatingHolidaysCount, "-3");
    Load();
    EXPECT_TRUE(errors_.messages.empty()) << errors_.messages.front();
    ASSERT_FALSE(catalogueMessages_.messages.empty());
    EXPECT_TRUE(catalogueMessages_.messages.back().contains("FixedHolidaysCount"));
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->count(), 7);  // the defaults, shown
    EXPECT_EQ(Control<QListWidget>("List1")->count(), 7);
    EXPECT_EQ(Control<QListWidget>("List2")->count(), 5);
    EXPECT_EQ(Setting(key::FixedHolidaysCount), "-3");  // nothing overwritten
}

TEST_F(MainWindowTest, AfterADamagedLoadAnAddKeepsEveryStoredHoliday)
{
    LoadHolidays();  // the floating defaults
    WriteSetting(key::FixedHolidaysCount, "2");
    WriteSetting("1Data", "1|¬3|¬5|");
    WriteSetting("2Data", "1|¬17|¬9|");
    WriteSetting("3Data", "Mine|¬Ours|¬Theirs|");
    runDialog_ = [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("Text3")->setText("New");
        dialog.findChild<QComboBox*>("cmbMonth1")->setCurrentIndex(3);
        dialog.findChild<QLineEdit*>("Text2")->setText("4");
        dialog.findChild<QPushButton*>("PushButton8")->click();
    };
    MainWindow& form = Load();
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->count(), 3);
    EXPECT_EQ(Setting(key::FixedHolidaysCount), "2");
    EXPECT_EQ(form.FixedCount(), 3);
    ASSERT_EQ(catalogueMessages_.messages.size(), 1u);
    EXPECT_TRUE(catalogueMessages_.messages[0].contains(".damaged"));

    Click("PushButton4");
    EXPECT_EQ(Setting(key::FixedHolidaysCount), "4");
    EXPECT_EQ(Setting("3Data"), "Mine|¬Ours|¬Theirs|¬New|");
    EXPECT_EQ(form.CurrentFixed(), 4);
    EXPECT_EQ(Control<QComboBox>("cmbNameFixed")->currentText(), "New");
}

TEST_F(MainWindowTest, WithoutTheSkinTheWindowIsWhiteWithItTakesTheFaceColour)
{
    MainWindow& plain = Load();
    EXPECT_FALSE(plain.SkinApplied());
    EXPECT_EQ(plain.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Control<QLabel>("Label3")->palette().color(QPalette::Window), QColor(Qt::white));
    auto* option = Control<QRadioButton>("Option1");
    EXPECT_EQ(option->palette().color(option->backgroundRole()), QColor(Qt::white));

    ASSERT_TRUE(QDir(programFolder_.path()).mkpath("x"));
    QFile skin(programFolder_.filePath("x/o.cjs"));
    ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
    skin.close();
    MainWindow& skinned = Load();
    EXPECT_TRUE(skinned.SkinApplied());
    EXPECT_EQ(skinned.palette().color(QPalette::Window), SystemFaceColour());
    EXPECT_EQ(Control<QGroupBox>("Frame2")->palette().color(QPalette::Window), SystemFaceColour());
    auto* skinnedOption = Control<QRadioButton>("Option2");
    EXPECT_EQ(skinnedOption->palette().color(skinnedOption->backgroundRole()), SystemFaceColour());
}

TEST_F(MainWindowTest, ButtonsShowTheHandCursorOnlyWhenTheFileIsThere)
{
    MainWindow& without = Load();
    EXPECT_FALSE(without.CustomPointer());
    EXPECT_EQ(Control<QPushButton>("PushButton2")->cursor().shape(), Qt::ArrowCursor);

    ASSERT_TRUE(
        QFile::copy(MORVESSA_SOURCE_DIR "/resources/HAND-M.CUR", programFolder_.filePath("HAND-M.CUR")));
    MainWindow& with = Load();
    ASSERT_TRUE(with.CustomPointer());
    for (const char* name : {"PushButton2", "PushButton5", "PushButton13"})
        EXPECT_EQ(Control<QPushButton>(name)->cursor().shape(), Qt::BitmapCursor) << name;
    EXPECT_EQ(Control<QPushButton>("PushButton2")->cursor().hotSpot(), QPoint(5, 0));
    EXPECT_NE(Control<QListWidget>("List1")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_TRUE(errors_.messages.empty());
}

TEST_F(MainWindowTest, AnUnreadableCursorFileIsReportedAndTheButtonsKeepTheArrow)
{
    QFile junk(programFolder_.filePath("HAND-M.CUR"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a cursor");
    junk.close();
    MainWindow& form = Load();
    ASSERT_EQ(errors_.messages.size(), 1u);
    EXPECT_NE(errors_.messages[0].find("at line 108"), std::string::npos);
    EXPECT_FALSE(form.CustomPointer());
    EXPECT_EQ(Control<QPushButton>("PushButton2")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Control<QListWidget>("List1")->count(), 7);  // the load went on
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram)
{
    MainWindow& form = Load();
    form.show();
    form.close();
    EXPECT_EQ(quitCalls_, 1);
}

}  // namespace
}  // namespace morvessa
