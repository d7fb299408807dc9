// The translated builds: every text the windows show has a translation, the translation
// files are complete, and no translated text is wider than its control.

#include "EveryWindow.h"

#include "calendar/HolidayIcs.h"
#include "calendar/StoredCalendars.h"
#include "dialogs/ColorPickerDialog.h"
#include "dialogs/HolidayListDialog.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/WorldHolidaysDialog.h"
#include "dialogs/RuleHolidayDialog.h"
#include "dialogs/FixedHolidayDialog.h"
#include "dialogs/FloatingHolidayDialog.h"
#include "dialogs/HolidayDialogModel.h"
#include "core/CalendarNames.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayEditing.h"
#include "holidays/HolidayRules.h"
#include "settings/SettingsStore.h"
#include "host/HostInstances.h"
#include "host/SheetFiles.h"
#include "preview/PreviewWindow.h"
#include "preview/SaveResults.h"
#include "widgets/ScreenReader.h"
#include "core/ProgramTranslation.h"
#include "core/ErrorTrap.h"
#include "support/UiTestSupport.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QGroupBox>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <algorithm>
#include <set>
#include <string>

namespace morvessa {
namespace {

// Installed before the translation under test, so it is asked last: whatever reaches it found no
// translation. Qt's own contexts (Q...) are left to Qt's translation files.
class MissingTranslations final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (context && context[0] != 'Q' && source && *source)
            missing.insert(std::string(context) + " | " + source);
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable std::set<std::string> missing;
};

// Captions that a translation writes as English does.
const QStringList kSameInBothLanguages = {
    QStringLiteral("Name:"), QStringLiteral("&Name:"), QStringLiteral("Zoom:"), QStringLiteral("April"),
    QStringLiteral("August"), QStringLiteral("September"), QStringLiteral("November"),
    QStringLiteral("&Pages"), QStringLiteral("&Orientation"),
    // Words Spanish or Italian write as English does.
    QStringLiteral(" No"), QStringLiteral("No"), QStringLiteral("Color")};

// Lists whose items are the user's data (holiday names, countries), the same in every language.
const QStringList kDataLists = {QStringLiteral("cmbNameFixed"), QStringLiteral("cmbNameFloating"),
                                QStringLiteral("Holidays"), QStringLiteral("Countries"),
                                QStringLiteral("Place"), QStringLiteral("Preview"), QStringLiteral("Events")};

// One text a control shows, with the width it has for it.
struct ShownText {
    QString text;
    int textWidth = 0;
    int room = 0;
};

// Every caption of the window's labels, buttons and frames, by the control's name.
std::map<QString, ShownText> ShownTexts(QWidget& window)
{
    std::map<QString, ShownText> shown;
    // Windows with a layout size their controls to their texts once laid out.
    if (window.layout()) {
        window.adjustSize();
        window.layout()->activate();
    }
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QFontMetrics metrics(widget->font());
        ShownText entry;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
            entry.text = label->text();
            entry.room = label->contentsRect().width();
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            entry.text = QString(radio->text()).remove(u'&');
            entry.room = radio->width() - radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                         radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            entry.text = QString(button->text()).remove(u'&');
            // The style's own frame and padding around a text of no width.
            QStyleOptionButton option;
            option.initFrom(button);
            const int padding = button->style()
                                    ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), button)
                                    .width();
            entry.room = button->width() - padding;
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            entry.text = frame->title();
            entry.room = frame->width() - 16;
        }
        // Each item of a choice list, with the room its box or list gives it.
        if (auto* combo = qobject_cast<QComboBox*>(widget);
            combo && !kDataLists.contains(combo->objectName())) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const int room =
                combo->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                    .width();
            for (int i = 0; i < combo->count(); ++i)
                shown[QStringLiteral("QComboBox:%1#%2").arg(combo->objectName()).arg(i)] = {
                    combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)), room};
        } else if (auto* list = qobject_cast<QListWidget*>(widget);
                   list && !kDataLists.contains(list->objectName())) {
            // From the list's own width: a list never shown has not laid out its viewport yet.
            const int frame = 2 * list->frameWidth();
            const int rows = list->count() * (list->count() > 0 ? list->sizeHintForRow(0) : 0);
            const int scrollBar = rows > list->height() - frame
                                      ? list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list)
                                      : 0;
            const int margin =
                2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
            for (int i = 0; i < list->count(); ++i)
                shown[QStringLiteral("QListWidget:%1#%2").arg(list->objectName()).arg(i)] = {
                    list->item(i)->text(), metrics.horizontalAdvance(list->item(i)->text()),
                    list->width() - frame - scrollBar - margin};
        }
        if (entry.text.isEmpty())
            continue;
        // A mnemonic's "&" is not drawn.
        QString drawn = entry.text;
        drawn.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QChar(1), QLatin1Char('&'));
        entry.textWidth = metrics.horizontalAdvance(drawn);
        shown[widget->metaObject()->className() + QStringLiteral(":") + widget->objectName()] = entry;
    }
    // Menu entries have the room the menu makes for them; only their translation is checked. The
    // languages offered by their own names are the same in every language.
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text().isEmpty() || action->isSeparator() || action->objectName().isEmpty() ||
            action->objectName().startsWith(QStringLiteral("Language_")) ||
            action->objectName() == QStringLiteral("LanguageStoredOther"))
            continue;
        shown[QStringLiteral("QAction:") + action->objectName()] = {action->text(), 0, 1 << 20};
    }
    for (QMenu* menu : window.findChildren<QMenu*>())
        if (!menu->title().isEmpty())
            shown[QStringLiteral("QMenu:") + menu->objectName()] = {menu->title(), 0, 1 << 20};
    return shown;
}

class TranslationTest : public ::testing::TestWithParam<const char*> {
protected:
    using WindowCheck = test::EveryWindow::WindowCheck;
    MainWindowEnvironment Environment() { return windows_.Environment(); }
    void ForEachWindow(const WindowCheck& check) { windows_.ForEach(check); }

    // The messages the windows build without being driven to them.
    static void AskForEveryMessage()
    {
        const QStringList months = {QStringLiteral("January")};
        CheckFixedHolidayInput(QStringLiteral("A|B"), months[0], QStringLiteral("1"), months);
        CheckFixedHolidayInput(QStringLiteral("A"), months[0], QStringLiteral("40"), months);
        for (int monthIndex : {-1, 0})
            for (int weekdayIndex : {-1, 0})
                for (int occurrenceIndex : {-1, 0})
                    CheckFloatingHolidayInput(QStringLiteral("A"), monthIndex, weekdayIndex, occurrenceIndex);
        CheckFloatingHolidayInput(QString(), 0, 0, 0);
        OverwriteQuestion(QStringLiteral("x.xls"));
        QCoreApplication::translate("SaveResults", kSaveDialogTitle);
        SaveDialogFilters();
        QCoreApplication::translate("SaveResults", kDoneMessage);
        QCoreApplication::translate("HostInstances", kExcelNotInstalledMessage.c_str());
        QCoreApplication::translate("HostInstances", kExcelOpenWarningMessage.c_str());
        QCoreApplication::translate("HolidayCatalogue", kNoSavedValueMessage);
        ErrorReportText("Subscript out of range", "in Test.Step ", 100);
        QCoreApplication::translate("ErrorReport", "Application Error");
        // Every kind of rule in words, with each way of being observed and each span of years.
        using Kind = HolidayRule::Kind;
        for (Kind kind : {Kind::Fixed, Kind::NthWeekday, Kind::EasterOffset, Kind::WeekdayOnOrAfter,
                          Kind::WeekdayOnOrBefore, Kind::Dated})
            for (int offset : {0, 1})
                for (auto observed :
                     {HolidayRule::Observed::None, HolidayRule::Observed::SaturdayToFridaySundayToMonday,
                      HolidayRule::Observed::NextFreeWeekday,
                      HolidayRule::Observed::SundayToNextFreeWeekday}) {
                    HolidayRule rule;
                    rule.kind = kind;
                    rule.offset = offset;
                    rule.observed = observed;
                    rule.year = 2027;
                    for (int occurrence : {1, 2, 3, 4, 5, HolidayRule::kLast})
                        for (const auto& [first, last] :
                             {std::pair{0, 0}, {2020, 0}, {0, 2030}, {2020, 2030}}) {
                            rule.occurrence = occurrence;
                            rule.firstYear = first;
                            rule.lastYear = last;
                            DescribeRule(rule);
                        }
                }
        for (int month = 1; month <= 12; ++month) {
            HolidayRule rule;
            rule.month = month;
            rule.weekday = (month - 1) % 7 + 1;
            rule.kind = Kind::NthWeekday;
            DescribeRule(rule);
        }
    }

    test::EveryWindow windows_;
};

TEST_P(TranslationTest, TheTranslationFileIsComplete)
{
    QFile file(QStringLiteral(MORVESSA_SOURCE_DIR "/translations/morvessa_%1.ts").arg(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int messages = 0;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            EXPECT_TRUE(type.isEmpty()) << type.toStdString() << ": " << source.toStdString();
            EXPECT_FALSE(translation.isEmpty()) << source.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 60);
}

TEST_P(TranslationTest, EveryShownTextIsTranslatedAndFitsItsControl)
{
    std::map<std::string, std::map<QString, ShownText>> english;
    ForEachWindow([&](const char* window, QWidget& widget) { english[window] = ShownTexts(widget); });

    MissingTranslations recorder;
    QCoreApplication::installTranslator(&recorder);
    {
        ProgramTranslation translation;
        ASSERT_TRUE(translation.Install(QLocale(QString::fromLatin1(GetParam()))));
        EXPECT_EQ(translation.Language(), QString::fromLatin1(GetParam()).section(u'_', 0, 0));

        int compared = 0;
        ForEachWindow([&](const char* window, QWidget& widget) {
            for (const auto& [control, shown] : ShownTexts(widget)) {
                const auto original = english[window].find(control);
                ASSERT_NE(original, english[window].end()) << window << " " << control.toStdString();
                ++compared;
                // A caption still in English was never passed through the translation.
                EXPECT_TRUE(shown.text != original->second.text || kSameInBothLanguages.contains(shown.text))
                    << window << " " << control.toStdString() << " still shows \"" << shown.text.toStdString()
                    << "\"";
                // Where the English caption already overruns its control, the translation may take
                // as much room as the English does, no more.
                const int allowed = std::max(shown.room, original->second.textWidth);
                EXPECT_LE(shown.textWidth, allowed)
                    << window << " " << control.toStdString() << ": \"" << shown.text.toStdString()
                    << "\" needs " << shown.textWidth << " px, the control has " << shown.room;
            }
        });
        EXPECT_GT(compared, 40);
        AskForEveryMessage();
    }
    QCoreApplication::removeTranslator(&recorder);
    for (const std::string& text : recorder.missing)
        ADD_FAILURE() << "no translation: " << text;
}

// The month, weekday and occurrence lists speak the language, but what they store is the number or
// the English word the English lists store, and the workbook keeps its English names.
TEST_P(TranslationTest, TranslatedCalendarListsStoreWhatTheEnglishListsStore)
{
    ProgramTranslation translation;
    ASSERT_TRUE(translation.Install(QLocale(QString::fromLatin1(GetParam()))));
    // March, December, Monday and Last in the lists; a rule and a table row in words.
    struct Words {
        const char *march, *december, *monday, *last, *rule, *entry;
    };
    static const std::map<std::string, Words> kWords = {
        {"de", {"März", "Dezember", "Montag", "Letzter", "Test - letzter Montag im März",
                "Fest: Christmas - 25. Dezember"}},
        {"fr", {"Mars", "Décembre", "Lundi", "Dernier", "Test - dernier lundi en mars",
                "Fixe : Christmas - 25 décembre"}},
        {"es", {"Marzo", "Diciembre", "Lunes", "Último", "Test - último lunes de marzo",
                "Fijo: Christmas - 25 de diciembre"}},
        {"it", {"Marzo", "Dicembre", "Lunedì", "Ultimo", "Test - ultimo lunedì di marzo",
                "Fissa: Christmas - 25 dicembre"}},
        {"nl", {"maart", "december", "maandag", "Laatste", "Test - laatste maandag van maart",
                "Vast: Christmas - 25 december"}},
        {"pl", {"Marzec", "Grudzień", "Poniedziałek", "Ostatni", "Test - ostatni poniedziałek miesiąca marca",
                "Stałe: Christmas - 25 grudnia"}},
        {"pt_BR", {"Março", "Dezembro", "Segunda", "Último", "Test - último segunda-feira de março",
                   "Fixo: Christmas - 25 de dezembro"}}};
    const Words& words = kWords.at(GetParam());
    const QString march = QString::fromUtf8(words.march);
    const QString december = QString::fromUtf8(words.december);
    const QString monday = QString::fromUtf8(words.monday);
    const QString last = QString::fromUtf8(words.last);
    EXPECT_EQ(MonthName(3), "March");
    EXPECT_EQ(WeekdayName(2), "Monday");

    MainWindow main(Environment());
    QStringList messages;
    const auto record = [&](QWidget*, const QString& text) { messages << text; };

    FloatingHolidayDialog floating(main, &main);
    floating.SetValidationMessageSink(record);
    auto* months = floating.findChild<QComboBox*>(QStringLiteral("cmbMonth1"));
    auto* weekdays = floating.findChild<QListWidget*>(QStringLiteral("List1"));
    auto* occurrences = floating.findChild<QListWidget*>(QStringLiteral("List2"));
    ASSERT_TRUE(months && weekdays && occurrences);
    floating.findChild<QLineEdit*>(QStringLiteral("Text6"))->setText(QStringLiteral("Erntedank"));
    months->setCurrentIndex(2);
    EXPECT_EQ(months->currentText(), march);
    weekdays->setCurrentRow(1);
    EXPECT_EQ(weekdays->currentItem()->text(), monday);
    occurrences->setCurrentRow(4);
    EXPECT_EQ(occurrences->currentItem()->text(), last);
    floating.findChild<QPushButton*>(QStringLiteral("PushButton8"))->click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u' ').toStdString();
    const int row = FloatingHolidays().RowCount();
    ASSERT_EQ(FloatingHolidays().Cell(row, floating_column::Name), HolidayCell(QStringLiteral("Erntedank")));
    EXPECT_EQ(FloatingHolidays().Cell(row, floating_column::Month), HolidayCell(3));
    EXPECT_EQ(FloatingHolidays().Cell(row, floating_column::Weekday), HolidayCell(2));
    EXPECT_EQ(FloatingHolidays().Cell(row, floating_column::Occurrence), HolidayCell(QStringLiteral("Last")));
    EXPECT_TRUE(ReadSetting(QStringLiteral("4Data"), QString()).endsWith(QString::fromUtf8("¬3|")));
    EXPECT_TRUE(ReadSetting(QStringLiteral("6Data"), QString()).endsWith(QString::fromUtf8("¬Last|")));
    // The main window finds the stored row's month and occurrence in its own translated lists.
    EXPECT_EQ(main.findChild<QComboBox*>(QStringLiteral("cmbMonth1"))->currentText(), march);
    EXPECT_EQ(main.findChild<QListWidget*>(QStringLiteral("List2"))->currentRow(), 4);

    FixedHolidayDialog fixed(main, &main);
    fixed.SetValidationMessageSink(record);
    fixed.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("Heiligabend"));
    fixed.findChild<QComboBox*>(QStringLiteral("cmbMonth1"))->setCurrentIndex(11);
    EXPECT_EQ(fixed.findChild<QComboBox*>(QStringLiteral("cmbMonth1"))->currentText(), december);
    fixed.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("24"));
    fixed.findChild<QPushButton*>(QStringLiteral("PushButton8"))->click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u' ').toStdString();
    const int fixedRow = FixedHolidays().RowCount();
    ASSERT_EQ(FixedHolidays().Cell(fixedRow, fixed_column::Name), HolidayCell(QStringLiteral("Heiligabend")));
    EXPECT_EQ(FixedHolidays().Cell(fixedRow, fixed_column::Month), HolidayCell(12));
    EXPECT_EQ(main.findChild<QComboBox*>(QStringLiteral("cmbMonth2"))->currentText(), december);

    HolidayRule rule;
    rule.kind = HolidayRule::Kind::NthWeekday;
    rule.name = QStringLiteral("Test");
    rule.month = 3;
    rule.weekday = 2;
    rule.occurrence = HolidayRule::kLast;
    RuleHolidayDialog ruleDialog(rule, &main);
    EXPECT_EQ(ruleDialog.findChild<QComboBox*>(QStringLiteral("Month"))->currentText(), march);
    EXPECT_EQ(ruleDialog.findChild<QComboBox*>(QStringLiteral("Weekday"))->currentText(), monday);
    const HolidayRule back = ruleDialog.Rule();
    EXPECT_EQ(back.month, 3);
    EXPECT_EQ(back.weekday, 2);
    EXPECT_EQ(back.occurrence, HolidayRule::kLast);
    // The rule in words, as the dialog's message line and the holiday list show it; stored as before.
    EXPECT_EQ(ruleDialog.MessageText(), QString::fromUtf8(words.rule));
    EXPECT_EQ(RuleText(back), QStringLiteral("last mon 03"));

    // The holiday list names the kind of each entry in the language too.
    const std::vector<HolidayEntry> entries = AllHolidayEntries();
    ASSERT_GE(entries.size(), 4u);
    EXPECT_EQ(EntryText(entries[3]), QString::fromUtf8(words.entry));
}

TEST(TranslationFallbackTest, AnEnglishOrUnknownSystemKeepsTheEnglishTexts)
{
    test::TestApplication();
    for (const char* name : {"en_US", "C", "ja_JP"}) {
        ProgramTranslation translation;
        EXPECT_FALSE(translation.Install(QLocale(QString::fromLatin1(name)))) << name;
        EXPECT_TRUE(translation.Language().isEmpty());
        EXPECT_EQ(QCoreApplication::translate("SaveResults", kDoneMessage), QStringLiteral("Done."));
        HolidayRule rule;
        rule.kind = HolidayRule::Kind::WeekdayOnOrAfter;
        rule.name = QStringLiteral("Midsummer");
        rule.weekday = 7;
        rule.month = 6;
        rule.day = 20;
        rule.firstYear = 1953;
        EXPECT_EQ(DescribeRule(rule), QStringLiteral("Midsummer - Saturday on or after 20 June, from 1953"));
        EXPECT_EQ(MonthNameList().front(), QStringLiteral("January"));
        EXPECT_EQ(OccurrenceNameList().back(), QStringLiteral("Last"));
    }
    ProgramTranslation swiss;
    ASSERT_TRUE(swiss.Install(QLocale(QStringLiteral("de_CH"))));
    EXPECT_EQ(QCoreApplication::translate("SaveResults", kDoneMessage), QStringLiteral("Fertig."));
}

// The texts Undo shows when it has a step to take back: "&" before the step's undo text.
QStringList UndoTexts(const char* language)
{
    QStringList texts;
    QFile file(QStringLiteral(MORVESSA_SOURCE_DIR "/translations/morvessa_%1.ts").arg(QLatin1String(language)));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("source") && context == "HolidayUndo")
            texts << QStringLiteral("&") +
                         QCoreApplication::translate("HolidayUndo", xml.readElementText().toUtf8().constData());
    }
    return texts;
}

// Letters of the entries of one menu or bar; Undo's texts each take the place of its own.
void ExpectUniqueLetters(const std::string& where, QWidget* menu, const QStringList& undoTexts)
{
    std::vector<QString> texts;
    QAction* undo = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        if (action->objectName() == QLatin1String("Undo"))
            undo = action;
        else
            texts.push_back(action->menu() && action->text().isEmpty() ? action->menu()->title() : action->text());
    }
    for (const QString& undoText : undo ? undoTexts + QStringList{undo->text()} : QStringList{QString()}) {
        std::map<QChar, QString> taken;
        std::vector<QString> all = texts;
        if (undo)
            all.push_back(undoText);
        for (const QString& text : all) {
            const QChar letter = MnemonicLetter(text);
            if (letter.isNull())
                continue;
            const auto [at, fresh] = taken.emplace(letter, text);
            EXPECT_TRUE(fresh) << where << ": \"" << text.toStdString() << "\" and \"" << at->second.toStdString()
                               << "\" share the letter " << QString(letter).toStdString();
        }
    }
    for (QAction* action : menu->actions())
        if (action->menu())
            ExpectUniqueLetters(where + " > " + action->menu()->title().toStdString(), action->menu(), undoTexts);
}

// Messages made below the windows speak the user's language too: a refused import, a file that
// could not be saved, and a place of another country named as the user names that country.
TEST(TranslatedMessagesTest, ARefusedImportAndAnAddedPlaceReadInGerman)
{
    test::TestApplication();
    test::PrivateSettings settings;
    ProgramTranslation translation;
    ASSERT_TRUE(translation.Install(QLocale(QStringLiteral("de_DE"))));
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QTemporaryDir folder;
    QFile notes(folder.filePath(QStringLiteral("notes.ics")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("shopping list\n");
    notes.close();
    try {
        ReadCalendarFile(notes.fileName());
        ADD_FAILURE() << "a shopping list was read as a calendar";
    } catch (const IcsError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what())
                        .contains(QStringLiteral("Diese Kalenderdatei kann nicht gelesen werden: sie ist keine "
                                                 "iCalendar-Datei")))
            << error.what();
    }
    try {
        WriteFileReplacing(QByteArray("%PDF"), folder.filePath(QStringLiteral("no folder/x.pdf")));
        ADD_FAILURE() << "a file was written into a folder that is not there";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("kann nicht geschrieben werden")))
            << error.what();
    }
    // The system's reason a file could not be written is the user's language too.
    EXPECT_EQ(UnsavedFileReport("/tmp/x.xls", "the disk is full"),
              "Die Datei konnte nicht gespeichert werden: /tmp/x.xls (der Datenträger ist voll).");
    const QString added = AddWorldHolidaySource(world::WorldSource{QStringLiteral("FR-67"), {}, {}, {}});
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(added.contains(QStringLiteral(", Frankreich wurden"))) << added.toStdString();
}

TEST_P(TranslationTest, MenuLettersAreUniqueInEveryMenuAndBar)
{
    ProgramTranslation translation;
    ASSERT_TRUE(translation.Install(QLocale(QString::fromLatin1(GetParam()))));
    const QStringList undoTexts = UndoTexts(GetParam());
    ASSERT_GT(undoTexts.size(), 3);
    int bars = 0;
    ForEachWindow([&](const char* window, QWidget& widget) {
        for (QMenuBar* bar : widget.findChildren<QMenuBar*>()) {
            ++bars;
            for (QMenu* menu : bar->findChildren<QMenu*>())
                emit menu->aboutToShow();  // the menus that fill or rename their entries on opening
            ExpectUniqueLetters(window, bar, undoTexts);
        }
        // Alt and a letter reach the menu bar and the buttons alike: the window's buttons each have
        // a letter of their own, and none is a menu's.
        if (std::string(window) != "main window" && std::string(window) != "preview")
            return;
        std::map<QChar, QString> taken;
        for (QMenuBar* bar : widget.findChildren<QMenuBar*>())
            for (QAction* action : bar->actions())
                taken.emplace(MnemonicLetter(action->text()), action->text());
        for (QAbstractButton* button : widget.findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty())  // the menu bar's own overflow arrow
                continue;
            const QChar letter = MnemonicLetter(button->text());
            EXPECT_FALSE(letter.isNull()) << window << ": \"" << button->text().toStdString() << "\" has no letter";
            const auto [at, fresh] = taken.emplace(letter, button->text());
            EXPECT_TRUE(letter.isNull() || fresh) << window << ": \"" << button->text().toStdString() << "\" and \""
                                                  << at->second.toStdString() << "\" share a letter";
        }
    });
    EXPECT_GE(bars, 2);
}

// What a screen reader walking the window's accessibility tree finds amiss: focusable controls
// without a name (a combo box read by its value alone, with no label tied to it, has none; "..." is
// none either), and
// controls Tab reaches that the walk never meets.
QStringList UnreadableControls(QWidget& window)
{
    const auto reachable = [&](QWidget* control) {
        return control != &window && (control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&window);
    };
    const auto describe = [](QWidget* control) {
        return control->objectName() + u'/' + QString::fromLatin1(control->metaObject()->className());
    };
    QStringList amiss;
    std::set<QObject*> met;
    const std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node, int depth) {
        if (!node || depth > 40)
            return;
        met.insert(node->object());
        auto* control = qobject_cast<QWidget*>(node->object());
        if (control && reachable(control)) {
            // On this platform a combo box's name is its value; its label is told by the relation.
            const QString name = node->text(QAccessible::Name).trimmed();
            auto* combo = qobject_cast<QComboBox*>(control);
            const bool labelled = !node->relations(QAccessible::Label).isEmpty();
            const bool words = std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
            if (!words || (combo && !labelled && name == combo->currentText()))
                amiss << describe(control);
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(&window), 0);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // A field that hands its focus on (a spin box's line edit) is spoken as the one it hands it to.
        if (!control->focusProxy() && reachable(control) && !met.contains(control))
            amiss << describe(control) + QStringLiteral(" (not in the tree)");
    }
    return amiss;
}

TEST_P(TranslationTest, AScreenReaderFindsANameForEveryControl)
{
    ProgramTranslation translation;
    ASSERT_TRUE(translation.Install(QLocale(QString::fromLatin1(GetParam()))));
    int windows = 0;
    ForEachWindow([&](const char* window, QWidget& widget) {
        ++windows;
        EXPECT_EQ(UnreadableControls(widget).join(u' ').toStdString(), "") << window;
    });
    EXPECT_GE(windows, 8);
    // Qt's own file and print dialogs, as the program shows them.
    MainWindow main(Environment());
    QFileDialog files(&main, QStringLiteral("Import"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    QPrinter printer;
    QPrintDialog print(&printer, &main);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&files, &print}) {
        dialog->show();
        EXPECT_EQ(UnreadableControls(*dialog).join(u' ').toStdString(), "") << dialog->metaObject()->className();
        dialog->hide();
    }
    // The fields are named by the labels beside them, not by their frames.
    auto* day = main.findChild<QLineEdit*>("Text2");
    auto* dayLabel = main.findChild<QLabel*>("Label2");
    EXPECT_EQ(dayLabel->buddy(), day);
    EXPECT_EQ(day->accessibleName(), SpokenLabel(dayLabel->text()));
    EXPECT_FALSE(day->accessibleName().contains(u':'));
    EXPECT_EQ(day->accessibleDescription(), SpokenLabel(main.findChild<QGroupBox*>("Frame1")->title()));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest,
                         ::testing::Values("de", "fr", "es", "it", "nl", "pl", "pt_BR"));

}  // namespace
}  // namespace morvessa
