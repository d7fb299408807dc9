#include "app/MainWindow.h"
#include "host/SheetSnapshot.h"
#include "calendar/GenerateCalendar.h"
#include "colours/ColorPalette.h"
#include "core/CalendarNames.h"
#include "core/CalendarYear.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ColorPickerDialog.h"
#include "dialogs/ColorPickerModel.h"
#include "holidays/HolidayCatalogue.h"
#include "settings/SettingsStore.h"
#include "widgets/DialogLayout.h"
#include "dialogs/FixedHolidayDialog.h"
#include "dialogs/FloatingHolidayDialog.h"
#include "holidays/HolidayEditing.h"
#include "holidays/HolidayRules.h"
#include "preview/PreviewWindow.h"
#include "widgets/ScreenFit.h"
#include "widgets/UiRoutines.h"
#include "widgets/WindowUndo.h"
#include "core/ErrorTrap.h"
#include "core/SharedRoutines.h"
#include "app/MainWindowModel.h"
#include "app/CalendarMenu.h"
#include "app/HolidaysMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QPixmap>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QInputDialog>
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace morvessa {

namespace {

// Handlers the location table leaves without a trap still report their failures the same way.
constexpr std::string_view kNameFixedLocation = "in Quorvant2021/08/31.Form1.cmbNameFixed_Click ";
constexpr std::string_view kNameFloatingLocation = "in Quorvant2021/08/31.Form1.cmbNameFloating_Click ";
constexpr std::string_view kEasterYesLocation = "in Quorvant2021/08/31.Form1.Option1_Click ";
constexpr std::string_view kEasterNoLocation = "in Quorvant2021/08/31.Form1.Option2_Click ";

constexpr const char* kSkinFile = "x/o.cjs";

std::string TranslatedInstanceMessage(const std::string& text)
{
    return QCoreApplication::translate("HostInstances", text.c_str()).toStdString();
}

// The instance checks' boxes for the program: application title, no icon.
class MessageBoxInstanceUi final : public InstanceCheckUi {
public:
    explicit MessageBoxInstanceUi(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text) override
    {
        ShowValidationMessage(parent_, MessageBoxText(TranslatedInstanceMessage(text)));
    }
    bool AskYesNo(const std::string& text) override
    {
        return morvessa::AskYesNo(parent_, MessageBoxText(TranslatedInstanceMessage(text)));
    }
    void EndProgram() override { std::exit(0); }

private:
    QWidget* parent_;
};

// Shows a value in a box: the list entry with exactly that text becomes current.
// A list box that shows a value without taking a choice from the mouse or keyboard.
void ShowOnly(QComboBox* box)
{
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
}

void ShowInBox(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// Shows a table row's name in a name box, whose entries are the names in row order: that row's own
// entry becomes current, so of two holidays with the same name the right one shows.
void ShowRowInNameBox(QComboBox* box, int row, const QString& name)
{
    if (row >= 1 && row <= box->count() && box->itemText(row - 1) == name)
        box->setCurrentIndex(row - 1);
    else
        ShowInBox(box, name);
}

template <typename Widget>
Widget* MakeControl(QWidget* container, const char* name, int left, int top, int width, int height)
{
    auto* widget = new Widget(container);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

QPushButton* MakeButton(QWidget* container, const char* name, const QString& caption, int left, int top,
                        int width, int height)
{
    auto* button = MakeControl<QPushButton>(container, name, left, top, width, height);
    button->setText(caption);
    button->setFont(ArialBold(kPushButtonFontPoints));
    button->setAutoDefault(false);
    return button;
}

QGroupBox* MakeFrame(QWidget* window, const char* name, const QString& caption, int left, int top, int width,
                     int height)
{
    auto* frame = MakeControl<QGroupBox>(window, name, left, top, width, height);
    frame->setTitle(caption);
    return frame;
}

QLabel* MakeLabel(QWidget* container, const char* name, const QString& caption, int left, int top, int width,
                  int height)
{
    auto* label = MakeControl<QLabel>(container, name, left, top, width, height);
    label->setText(caption);
    return label;
}

}  // namespace

MainWindow::MainWindow(MainWindowEnvironment environment) : environment_(std::move(environment))
{
    if (environment_.programFolder.isEmpty())
        environment_.programFolder = ProgramFolder();
    if (!environment_.instanceUi) {
        ownInstanceUi_ = std::make_unique<MessageBoxInstanceUi>(this);
        environment_.instanceUi = ownInstanceUi_.get();
    }
    monthNames_ = QStringList(12, QString());
    BuildControls();
    LetWindowUndoPassTextBoxes(this);
    Form_Load();
    ShowColourSwatches();
}

MainWindow::~MainWindow()
{
    SetBusy(false);
}

void MainWindow::BuildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ArialBold(kDialogFontPoints));
    const int barHeight = BuildMenuBar();
    setFixedSize(TwipsToPixels(8040), TwipsToPixels(9030) + barHeight);
    menuBar_->setGeometry(0, 0, TwipsToPixels(8040), barHeight);

    startButton_ = MakeButton(this, "PushButton2", tr("Start Creating Template"), 120, 107, 7800, 400);
    yearFrame_ = MakeFrame(this, "Frame4", tr("What year?"), 120, 540, 3840, 780);
    yearBox_ = MakeControl<QLineEdit>(yearFrame_, "Text5", 240, 270, 3345, 345);
    easterFrame_ = MakeFrame(this, "Frame3", tr("Include Easter?"), 4080, 540, 3840, 780);
    easterYesOption_ = MakeControl<QRadioButton>(easterFrame_, "Option1", 240, 330, 735, 255);
    easterYesOption_->setText(tr(" Yes"));
    easterNoOption_ = MakeControl<QRadioButton>(easterFrame_, "Option2", 1200, 330, 735, 255);
    easterNoOption_->setText(tr(" No"));
    BuildFixedHolidayControls();
    BuildFloatingHolidayControls();
    BuildColourControls();

    // The controls keep their design places below the menu bar, scrolled on a screen too small.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != menuBar_)
            child->move(child->x(), child->y() + barHeight);
    ScrollWhenLargerThanScreen(*this, menuBar_);
    // The design colours; the optional skin replaces them during the load.
    PaintWindowBackground(this, Qt::white);

    NameControlsForScreenReaders();
    // Group by group as the window shows them; Start, at the top, closes the round from the year.
    const QList<QWidget*> tabOrder = {yearBox_,
                                      easterYesOption_,
                                      easterNoOption_,
                                      fixedHolidayNameBox_,
                                      fixedMonthBox_,
                                      fixedDayBox_,
                                      addFixedButton_,
                                      deleteFixedButton_,
                                      restoreFixedButton_,
                                      floatingHolidayNameBox_,
                                      floatingMonthBox_,
                                      weekdayList_,
                                      occurrenceList_,
                                      addFloatingButton_,
                                      deleteFloatingButton_,
                                      restoreFloatingButton_,
                                      holidayColourButton_,
                                      dayColourButton_,
                                      otherColourButton_,
                                      startButton_};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    ConnectControls();
}

void MainWindow::BuildFixedHolidayControls()
{
    fixedHolidayFrame_ = MakeFrame(this, "Frame1", tr("Fixed Date Holidays"), 120, 1380, 7800, 2865);
    fixedNameLabel_ = MakeLabel(fixedHolidayFrame_, "Label3", tr("Name:"), 240, 360, 615, 255);
    fixedHolidayNameBox_ = MakeControl<QComboBox>(fixedHolidayFrame_, "cmbNameFixed", 960, 300, 6580, 345);
    fixedMonthLabel_ = MakeLabel(fixedHolidayFrame_, "Label1", tr("Month:"), 240, 840, 615, 255);
    fixedMonthBox_ = MakeControl<QComboBox>(fixedHolidayFrame_, "cmbMonth2", 960, 780, 2860, 345);
    fixedDayLabel_ = MakeLabel(fixedHolidayFrame_, "Label2", tr("Day:"), 4200, 840, 375, 255);
    fixedDayBox_ = MakeControl<QLineEdit>(fixedHolidayFrame_, "Text2", 4680, 780, 2860, 345);
    // The selected holiday's month and day are shown, not edited here (Edit Holiday… changes them):
    // typed text would be lost without a word the moment another holiday is selected.
    fixedDayBox_->setReadOnly(true);
    ShowOnly(fixedMonthBox_);
    addFixedButton_ = MakeButton(fixedHolidayFrame_, "PushButton4", tr("Add Holiday"), 240, 1260, 7300, 405);
    deleteFixedButton_ =
        MakeButton(fixedHolidayFrame_, "PushButton5", tr("Delete Selected Holiday"), 240, 1770, 7300, 405);
    restoreFixedButton_ =
        MakeButton(fixedHolidayFrame_, "PushButton10", tr("Restore Defaults"), 240, 2280, 7300, 405);
}

void MainWindow::BuildFloatingHolidayControls()
{
    floatingHolidayFrame_ = MakeFrame(this, "Frame2", tr("Floating Date Holidays"), 120, 4300, 7800, 3735);
    floatingNameLabel_ = MakeLabel(floatingHolidayFrame_, "Label6", tr("Name:"), 240, 360, 615, 255);
    floatingHolidayNameBox_ =
        MakeControl<QComboBox>(floatingHolidayFrame_, "cmbNameFloating", 960, 300, 6580, 345);
    floatingMonthLabel_ = MakeLabel(floatingHolidayFrame_, "Label4", tr("Month:"), 240, 840, 615, 255);
    floatingMonthBox_ = MakeControl<QComboBox>(floatingHolidayFrame_, "cmbMonth1", 960, 780, 6580, 345);
    ShowOnly(floatingMonthBox_);
    floatingDayLabel_ = MakeLabel(floatingHolidayFrame_, "Label5", tr("Day:"), 240, 1320, 375, 255);
    weekdayList_ = MakeControl<QListWidget>(floatingHolidayFrame_, "List1", 960, 1260, 2630, 735);
    occurrenceLabel_ = MakeLabel(floatingHolidayFrame_, "Label7", tr("Occurance:"), 3720, 1320, 1095, 255);
    occurrenceList_ = MakeControl<QListWidget>(floatingHolidayFrame_, "List2", 4900, 1260, 2630, 735);
    addFloatingButton_ =
        MakeButton(floatingHolidayFrame_, "PushButton8", tr("Add Holiday"), 240, 2120, 7300, 405);
    deleteFloatingButton_ =
        MakeButton(floatingHolidayFrame_, "PushButton9", tr("Delete Selected Holiday"), 240, 2630, 7300, 405);
    restoreFloatingButton_ =
        MakeButton(floatingHolidayFrame_, "PushButton11", tr("Restore Defaults"), 240, 3140, 7300, 405);
}

void MainWindow::BuildColourControls()
{
    colourFrame_ = MakeFrame(this, "Frame5", tr("Color"), 120, 8090, 7800, 840);
    holidayColourButton_ = MakeButton(colourFrame_, "PushButton1", tr("Holiday"), 240, 270, 2415, 405);
    dayColourButton_ = MakeButton(colourFrame_, "PushButton12", tr("Day"), 2760, 270, 2415, 405);
    otherColourButton_ = MakeButton(colourFrame_, "PushButton13", tr("Other"), 5280, 270, 2295, 405);
}

void MainWindow::ConnectControls()
{
    connect(startButton_, &QPushButton::clicked, this, &MainWindow::StartClicked);
    connect(addFixedButton_, &QPushButton::clicked, this, &MainWindow::AddFixedClicked);
    connect(deleteFixedButton_, &QPushButton::clicked, this, &MainWindow::DeleteFixedClicked);
    connect(restoreFixedButton_, &QPushButton::clicked, this, &MainWindow::RestoreFixedClicked);
    connect(addFloatingButton_, &QPushButton::clicked, this, &MainWindow::AddFloatingClicked);
    connect(deleteFloatingButton_, &QPushButton::clicked, this, &MainWindow::DeleteFloatingClicked);
    connect(restoreFloatingButton_, &QPushButton::clicked, this, &MainWindow::RestoreFloatingClicked);
    connect(holidayColourButton_, &QPushButton::clicked, this, &MainWindow::HolidayColourClicked);
    connect(dayColourButton_, &QPushButton::clicked, this, &MainWindow::DayColourClicked);
    connect(otherColourButton_, &QPushButton::clicked, this, &MainWindow::OtherColourClicked);
    connect(easterYesOption_, &QRadioButton::clicked, this, &MainWindow::EasterYesClicked);
    connect(easterNoOption_, &QRadioButton::clicked, this, &MainWindow::EasterNoClicked);
    // `activated` comes only from the user's own selections.
    connect(fixedHolidayNameBox_, &QComboBox::activated, this, &MainWindow::FixedHolidayNameChosen);
    connect(floatingHolidayNameBox_, &QComboBox::activated, this, &MainWindow::FloatingHolidayNameChosen);
    yearBox_->installEventFilter(this);
    // Enter in the year box starts the calendar, as the Start button does.
    connect(yearBox_, &QLineEdit::returnPressed, this, &MainWindow::StartClicked);
}

// The bar's own font, not the window's bold design font; returns the bar's height.
int MainWindow::BuildMenuBar()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    const QFont system = QApplication::font();
    QFont barFont = system;
    barFont.setBold(false);
    // Every property counts as set, so the window's bold design font does not reach the bar.
    barFont.setResolveMask(QFont::AllPropertiesResolved);
    menuBar_->setFont(barFont);
    holidaysMenu_ = menuBar_->addMenu(tr("&Holidays"));
    holidaysMenu_->setObjectName(QStringLiteral("HolidaysMenu"));
    calendarMenu_ = menuBar_->addMenu(tr("&Calendar"));
    calendarMenu_->setObjectName(QStringLiteral("CalendarMenu"));
    helpMenu_ = menuBar_->addMenu(tr("Hel&p"));
    helpMenu_->setObjectName(QStringLiteral("HelpMenu"));
    QAction* about = helpMenu_->addAction(tr("&About Morvessa..."));
    about->setObjectName(QStringLiteral("About"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, [this] {
        AboutDialog dialog(this);
        ShowDialog(dialog);
    });
    holidaysChoices_ = new morvessa::HolidaysMenu(
        *holidaysMenu_,
        {this, [this](QDialog& dialog) { ShowDialog(dialog); },
         [this](const QString& text) { ShowMessage(text); }, [this] { RefreshHolidayLists(); },
         environment_.chooseIcsFile, [this] { return yearBox_->text(); }});
    calendarChoices_ = new morvessa::CalendarMenu(
        *calendarMenu_,
        [this]() -> std::optional<QString> {
            if (environment_.askLocaleName)
                return environment_.askLocaleName();
            bool ok = false;
            const QString name = QInputDialog::getText(
                this, tr("Other Language"), tr("Language and country, such as pt_BR or sr_Latn_RS:"),
                QLineEdit::Normal, QString(), &ok);
            return ok ? std::optional<QString>(name) : std::nullopt;
        },
        [this](const QString& text) { ShowMessage(text); });
    calendarChoices_->SetColourPicker(
        CalendarMenu::PaletteDialog(this, [this](QDialog& dialog) { ShowDialog(dialog); }));
    return menuBar_->sizeHint().height();
}

QAction* MainWindow::HolidaysAction(const char* name) const
{
    return holidaysChoices_->Action(name);
}

void MainWindow::ShowMessage(const QString& text)
{
    if (environment_.showMessage)
        environment_.showMessage(text);
    else
        ShowValidationMessage(this, text);
}

// The main window's two lists after a change made elsewhere: counts from the tables, the current
// holidays kept where they still exist.
void MainWindow::RefreshHolidayLists()
{
    fixedCount_ = FixedHolidays().RowCount();
    floatingCount_ = FloatingHolidays().RowCount();
    currentFixed_ = std::clamp(currentFixed_, 1, std::max(1, fixedCount_));
    currentFloating_ = std::clamp(currentFloating_, 1, std::max(1, floatingCount_));
    const bool wasReady = ready_;
    ready_ = false;
    ShowSelectedHolidays();
    ready_ = wasReady;
}

void MainWindow::Form_Load()
{
    ErrorTrap trap(location::Form1_Form_Load);

    trap.Step(100, [&] { ApplySkin(); });
    trap.Step(104, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(ApplicationIcon());
        SetApplicationTitle();
    });
    const QString cursorPath =
        QDir(environment_.programFolder).filePath(QString::fromLatin1(kHandCursorFileName));
    bool cursorFileThere = false;
    trap.Step(106, [&] { cursorFileThere = FileExists(cursorPath); });
    if (cursorFileThere) {
        trap.Step(108, [&] {
            handCursor_ = LoadHandCursor(cursorPath);
            if (!handCursor_)
                throw std::runtime_error("Invalid picture");
            for (QPushButton* b : findChildren<QPushButton*>())
                b->setCursor(*handCursor_);
        });
    }
    trap.Step(128, [&] { fixedDayBox_->setText(QString()); });

    const QStringList months = MonthNameList();
    for (int i = 0; i < 12; ++i)
        trap.Step(130 + 2 * i, [&] { monthNames_[i] = months[i]; });
    for (int i = 0; i < 12; ++i) {
        trap.Step(156, [&] { floatingMonthBox_->addItem(monthNames_[i]); });
        trap.Step(158, [&] { fixedMonthBox_->addItem(monthNames_[i]); });
    }
    trap.Step(160, [&] { yearBox_->setText(QString::number(QDate::currentDate().year())); });
    trap.Step(162, [&] { LoadHolidays(); });
    trap.Step(162, [&] { LoadRuleHolidays(); });

    int fixedRows = 0;
    trap.Step(164, [&] { fixedRows = FixedHolidays().RowCount(); });
    for (int row = 1; row <= fixedRows; ++row)
        trap.Step(166, [&] {
            fixedHolidayNameBox_->addItem(FixedHolidays().Cell(row, fixed_column::Name).Text());
        });
    int floatingRows = 0;
    trap.Step(168, [&] { floatingRows = FloatingHolidays().RowCount(); });
    for (int row = 1; row <= floatingRows; ++row)
        trap.Step(170, [&] {
            floatingHolidayNameBox_->addItem(FloatingHolidays().Cell(row, floating_column::Name).Text());
        });

    trap.Step(172, [&] { currentFixed_ = 1; });
    trap.Step(174, [&] { currentFloating_ = 1; });
    // The rows loaded, which a damaged store's count may not match.
    trap.Step(176, [&] { fixedCount_ = FixedHolidays().RowCount(); });
    trap.Step(178, [&] { floatingCount_ = FloatingHolidays().RowCount(); });

    // A stored choice that cannot be read is reported and the default (Yes) is selected and stored.
    int easter = 1;
    trap.Step(180, [&] { easter = StoredEasterChoice(); });
    if (easter == 1)
        trap.Step(182, [&] {
            easterYesOption_->setChecked(true);
            EasterYesClicked();
        });
    else
        trap.Step(184, [&] {
            easterNoOption_->setChecked(true);
            EasterNoClicked();
        });

    const QStringList weekdays = WeekdayNameList();
    for (int i = 0; i < weekdays.size(); ++i)
        trap.Step(186 + 2 * i, [&] { weekdayList_->addItem(weekdays[i]); });
    const QStringList occurrences = OccurrenceNameList();
    for (int i = 0; i < occurrences.size(); ++i)
        trap.Step(200 + 2 * i, [&] { occurrenceList_->addItem(occurrences[i]); });

    trap.Step(210, [&] { ShowSelectedHolidays(); });
    trap.Step(212, [&] { ready_ = true; });
    trap.Step(214, [&] { yearBox_->setCursorPosition(0); });
    trap.Step(216, [&] {
        yearBox_->setSelection(0, int(yearBox_->text().size()));
        yearBox_->setFocus(Qt::OtherFocusReason);
    });
    trap.Step(218, [&] { CheckExcelInstalled(*environment_.instanceUi); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void MainWindow::ApplySkin()
{
    const QFileInfo skin(QDir(environment_.programFolder).filePath(QString::fromLatin1(kSkinFile)));
    if (!skin.isFile())
        return;
    // Only the colouring is reproduced; the skin file's own look is not interpreted.
    UseSystemFaceColour(this);
    skinApplied_ = true;
}

void MainWindow::ShowSelectedHolidays()
{
    // A change saved by another copy of the program may have shortened either table.
    fixedCount_ = FixedHolidays().RowCount();
    floatingCount_ = FloatingHolidays().RowCount();
    currentFixed_ = std::min(currentFixed_, fixedCount_);
    currentFloating_ = std::min(currentFloating_, floatingCount_);
    fixedHolidayNameBox_->clear();
    fixedHolidayNameBox_->addItems(HolidayNames(FixedHolidays(), fixed_column::Name));
    fixedHolidayNameBox_->setCurrentIndex(-1);
    floatingHolidayNameBox_->clear();
    floatingHolidayNameBox_->addItems(HolidayNames(FloatingHolidays(), floating_column::Name));
    floatingHolidayNameBox_->setCurrentIndex(-1);

    const FixedHolidayView fixed = ViewOfFixedHoliday(FixedHolidays(), currentFixed_);
    if (fixed.monthIndex >= 0)
        ShowInBox(fixedMonthBox_, monthNames_.value(fixed.monthIndex));
    fixedDayBox_->setText(fixed.dayText);
    if (!fixed.name.isEmpty())
        ShowRowInNameBox(fixedHolidayNameBox_, currentFixed_, fixed.name);

    if (currentFloating_ >= 1) {
        const FloatingHolidayView floating = ViewOfFloatingHoliday(FloatingHolidays(), currentFloating_);
        if (floating.monthIndex >= 0)
            ShowInBox(floatingMonthBox_, monthNames_.value(floating.monthIndex));
        ShowRowInNameBox(floatingHolidayNameBox_, currentFloating_, floating.name);
        if (floating.weekdayIndex >= 0)
            weekdayList_->setCurrentRow(floating.weekdayIndex);
        if (floating.occurrenceIndex >= 0)
            occurrenceList_->setCurrentRow(floating.occurrenceIndex);
    }
}

void MainWindow::StartClicked()
{
    ErrorTrap trap(location::Form1_PushButton2_Click);
    std::optional<CalendarYear> year;
    trap.Step(100, [&] {
        year = CalendarYear::FromText(yearBox_->text());
        // The box shows the year the calendar is made for: "1850" becomes "1900", "2,024" "2024".
        if (year && yearBox_->text() != year->DisplayText())
            yearBox_->setText(year->DisplayText());
    });
    if (year) {
        bool stop = false;
        trap.Step(102, [&] { stop = WarnExcelOpen(*environment_.instanceUi); });
        if (stop)
            return;
        trap.Step(104, [&] { SetBusy(true); });
        trap.Step(106, [&] {
            if (environment_.generate)
                environment_.generate(*year, *this);
            else
                GenerateCalendar(*year, *this);
        });
        trap.Step(108, [&] { SetBusy(false); });
        return;
    }
    trap.Step(110, [&] { ShowValidationMessage(this, tr(kInvalidYearText)); });
}

void MainWindow::ShowDialog(QDialog& dialog)
{
    if (environment_.runDialog)
        environment_.runDialog(dialog);
    else
        dialog.exec();
}

void MainWindow::AddFixedClicked()
{
    ErrorTrap trap(location::Form1_PushButton4_Click);
    trap.Step(100, [&] {
        FixedHolidayDialog dialog(*this, this);
        ShowDialog(dialog);
    });
}

void MainWindow::AddFloatingClicked()
{
    ErrorTrap trap(location::Form1_PushButton8_Click);
    trap.Step(100, [&] {
        FloatingHolidayDialog dialog(*this, this);
        ShowDialog(dialog);
    });
}

void MainWindow::DeleteSelectedHoliday(std::string_view location, bool fixed)
{
    ErrorTrap trap(location);
    int& current = fixed ? currentFixed_ : currentFloating_;
    int& count = fixed ? fixedCount_ : floatingCount_;
    const auto tableOf = [fixed](HolidayTable& f, HolidayTable& fl) -> HolidayTable& {
        return fixed ? f : fl;
    };
    int deletedRow = 0;
    bool othersChanged = false;
    // The row shown is looked up again in what is stored now: another copy of the program may have
    // added or removed holidays meanwhile, and those changes are kept.
    trap.Step(100, [&] {
        const HolidayTable seenFixed = FixedHolidays();
        const HolidayTable seenFloating = FloatingHolidays();
        const HolidayTable& seen = fixed ? seenFixed : seenFloating;
        ProgramHolidayUndo().Remember(QStringLiteral("Delete"));
        ChangeHolidays([&](HolidayTable& f, HolidayTable& fl) {
            othersChanged = !(f == seenFixed && fl == seenFloating);
            HolidayTable& table = tableOf(f, fl);
            const int row = SameHolidayRow(seen, current, table);
            const int rowsBefore = table.RowCount();
            DeleteHolidayRow(table, row);
            if (table.RowCount() < rowsBefore)
                deletedRow = row;
        });
        if (deletedRow == 0)
            ProgramHolidayUndo().Forget();
    });
    // The last holiday of a kind stays, and nothing else changes either.
    if (deletedRow == 0) {
        if (othersChanged)
            trap.Step(110, [&] { ShowSelectedHolidays(); });
        return;
    }
    // The row that moved up is shown; after the last row, the one before it.
    trap.Step(102, [&] {
        current = std::min(deletedRow, tableOf(FixedHolidays(), FloatingHolidays()).RowCount());
    });
    trap.Step(106, [&] { count = tableOf(FixedHolidays(), FloatingHolidays()).RowCount(); });
    trap.Step(110, [&] { ShowSelectedHolidays(); });
}

void MainWindow::DeleteFixedClicked()
{
    DeleteSelectedHoliday(location::Form1_PushButton5_Click, true);
}

void MainWindow::DeleteFloatingClicked()
{
    DeleteSelectedHoliday(location::Form1_PushButton9_Click, false);
}

void MainWindow::RestoreDefaults(std::string_view location, bool fixed)
{
    ErrorTrap trap(location);
    trap.Step(100, [&] {
        ProgramHolidayUndo().Remember(QStringLiteral("Restore Defaults"));
        if (fixed)
            RestoreFixedDefaults(true);
        else
            RestoreFloatingDefaults(true);
    });
    trap.Step(102, [&] { (fixed ? currentFixed_ : currentFloating_) = 1; });
    trap.Step(104, [&] {
        if (fixed)
            fixedCount_ = FixedHolidays().RowCount();
        else
            floatingCount_ = FloatingHolidays().RowCount();
    });
    trap.Step(106, [&] { ShowSelectedHolidays(); });
}

void MainWindow::RestoreFixedClicked()
{
    RestoreDefaults(location::Form1_PushButton10_Click, true);
}
void MainWindow::RestoreFloatingClicked()
{
    RestoreDefaults(location::Form1_PushButton11_Click, false);
}

void MainWindow::PickColour(std::string_view location, const char* colourKey, const QString& caption)
{
    ErrorTrap trap(location);
    trap.Step(100, [&] { GetColorIndex(QString::fromLatin1(colourKey)); });
    trap.Step(102, [&] {
        ColorPickerDialog dialog(this, caption);
        ShowDialog(dialog);
    });
    // Stored whichever way the picker was left.
    trap.Step(104,
              [&] { WriteSetting(QString::fromLatin1(colourKey), QString::number(CurrentColorIndex())); });
    ShowColourSwatches();
}

// Each button shows the colour it sets; the read leaves the picker's exchange value as it was.
void MainWindow::ShowColourSwatches()
{
    const std::int32_t exchanged = CurrentColorIndex();
    const std::pair<QPushButton*, const char*> buttons[] = {{holidayColourButton_, key::HolidaysColor},
                                                            {dayColourButton_, key::DaysColor},
                                                            {otherColourButton_, key::EmptyColor}};
    for (const auto& [button, colourKey] : buttons) {
        const QImage swatch = ColourButtonSwatch(GetColorIndex(QString::fromLatin1(colourKey)));
        button->setIcon(QIcon(QPixmap::fromImage(swatch)));
        button->setIconSize(swatch.size());
    }
    CurrentColorIndex() = exchanged;
}

void MainWindow::HolidayColourClicked()
{
    PickColour(location::Form1_PushButton1_Click, key::HolidaysColor, tr("Holiday colour"));
}
void MainWindow::DayColourClicked()
{
    PickColour(location::Form1_PushButton12_Click, key::DaysColor, tr("Day colour"));
}
void MainWindow::OtherColourClicked()
{
    PickColour(location::Form1_PushButton13_Click, key::EmptyColor, tr("Other colour"));
}

void MainWindow::EasterYesClicked()
{
    ErrorTrap trap(kEasterYesLocation);
    trap.Step(100, [] { WriteSetting(QString::fromLatin1(key::Easter), kEasterYes); });
}

void MainWindow::EasterNoClicked()
{
    ErrorTrap trap(kEasterNoLocation);
    trap.Step(100, [] { WriteSetting(QString::fromLatin1(key::Easter), kEasterNo); });
}

void MainWindow::FixedHolidayNameChosen()
{
    SelectHolidayNamed(kNameFixedLocation, FixedHolidays(), fixed_column::Name,
                       fixedHolidayNameBox_->currentIndex(), fixedHolidayNameBox_->currentText(),
                       currentFixed_);
}

void MainWindow::FloatingHolidayNameChosen()
{
    SelectHolidayNamed(kNameFloatingLocation, FloatingHolidays(), floating_column::Name,
                       floatingHolidayNameBox_->currentIndex(), floatingHolidayNameBox_->currentText(),
                       currentFloating_);
}

void MainWindow::SelectHolidayNamed(std::string_view location, const HolidayTable& table, int nameColumn,
                                    int index, const QString& name, int& current)
{
    if (!ready_)
        return;
    ErrorTrap trap(location);
    trap.Step(100, [&] {
        const int row = RowOfNameBoxEntry(table, nameColumn, index, name);
        // A name the catalogue does not hold renames nothing and saves nothing.
        if (row == 0)
            return;
        current = row;
        // Refreshing the boxes fires their own selection handlers; keep them quiet meanwhile.
        ready_ = false;
        try {
            ShowSelectedHolidays();
        } catch (...) {
            ready_ = true;
            throw;
        }
        ready_ = true;
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == yearBox_ && event->type() == QEvent::FocusIn) {
        const bool handled = QWidget::eventFilter(watched, event);
        yearBox_->setSelection(0, int(yearBox_->text().size()));
        return handled;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Ends the whole program, the hidden preview included, without its own closing steps.
    if (environment_.quit)
        environment_.quit();
    else
        QApplication::quit();
}

void MainWindow::SetBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

int MainWindow::MonthSelectorIndex() const
{
    return fixedMonthBox_->currentIndex();
}

void MainWindow::SetMainMousePointer(MousePointer pointer)
{
    SetBusy(pointer == MousePointer::Hourglass);
}

PreviewWindow& MainWindow::EnsurePreview()
{
    if (!preview_) {
        preview_ = std::make_unique<PreviewWindow>(nullptr);
        preview_->SetMainWindow(this);
    }
    return *preview_;
}

void MainWindow::SetPreviewPictureFile(const std::string& path)
{
    SetPreviewPicture(LoadSnapshotPicture(path));
}
void MainWindow::SetPreviewPicture(const QImage& picture)
{
    EnsurePreview().SetPicture(picture);
}
void MainWindow::SetPreviewWorkbook(const std::string& path)
{
    EnsurePreview().SetExcelFile(QString::fromStdString(path));
}
void MainWindow::ShowPreview()
{
    EnsurePreview().show();
}
void MainWindow::HideMainWindow()
{
    hide();
}

}  // namespace morvessa
