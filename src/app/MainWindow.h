#pragma once
// The main window: year, Easter, the fixed and floating holidays, the three colours, and the
// start of a generation. Its load performs the program's start-up.

#include "core/ErrorTrap.h"
#include "calendar/GenerationUi.h"
#include "core/CalendarYear.h"
#include "dialogs/HolidayEditorState.h"
#include "host/HostInstances.h"

#include <QCursor>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QAction;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace morvessa {

namespace location {
MORVESSA_LOCATION(Form1_Form_Load, "Form1.Form_Load")
MORVESSA_LOCATION(Form1_PushButton1_Click, "Form1.PushButton1_Click")
MORVESSA_LOCATION(Form1_PushButton2_Click, "Form1.PushButton2_Click")
MORVESSA_LOCATION(Form1_PushButton4_Click, "Form1.PushButton4_Click")
MORVESSA_LOCATION(Form1_PushButton5_Click, "Form1.PushButton5_Click")
MORVESSA_LOCATION(Form1_PushButton8_Click, "Form1.PushButton8_Click")
MORVESSA_LOCATION(Form1_PushButton9_Click, "Form1.PushButton9_Click")
MORVESSA_LOCATION(Form1_PushButton10_Click, "Form1.PushButton10_Click")
MORVESSA_LOCATION(Form1_PushButton11_Click, "Form1.PushButton11_Click")
MORVESSA_LOCATION(Form1_PushButton12_Click, "Form1.PushButton12_Click")
MORVESSA_LOCATION(Form1_PushButton13_Click, "Form1.PushButton13_Click")
}  // namespace location

class PreviewWindow;
class CalendarMenu;
class HolidaysMenu;
class HolidayTable;

// What the main window takes from its surroundings; the defaults are the program's own, tests
// replace them.
struct MainWindowEnvironment {
    // The folder searched for "HAND-M.CUR" and the skin "x/o.cjs"; empty: the program's folder.
    QString programFolder;
    // Message boxes and ending the program for the instance checks; null: the window's own boxes
    // and an immediate exit.
    InstanceCheckUi* instanceUi = nullptr;
    // The generation; empty: GenerateCalendar.
    std::function<void(CalendarYear year, GenerationUi& ui)> generate;
    // Shows a dialog modally (the holiday dialogs and the colour picker); empty: QDialog::exec.
    std::function<void(QDialog& dialog)> runDialog;
    // Ends the whole program when the window is closed; empty: QApplication::quit.
    std::function<void()> quit;
    // Shows the outcome of a Holidays menu command; empty: a message box.
    std::function<void(const QString& text)> showMessage;
    // Asks for an .ics file to read (save false) or to write (save true); empty: the file dialog.
    // An empty answer cancels.
    std::function<QString(bool save)> chooseIcsFile;
    // Asks for a locale name for the Calendar menu's "Other Language..."; empty: an input box.
    std::function<std::optional<QString>()> askLocaleName;
};

class MainWindow : public QWidget, public HolidayEditorState, private GenerationUi {
    Q_OBJECT
public:
    // Runs the load; the window is not shown (the caller shows it afterwards).
    explicit MainWindow(MainWindowEnvironment environment = {});
    ~MainWindow() override;

    // --- shared state (HolidayEditorState) ---
    int CurrentFixed() const override { return currentFixed_; }
    void SetCurrentFixed(int position) override { currentFixed_ = position; }
    int FixedCount() const override { return fixedCount_; }
    void SetFixedCount(int count) override { fixedCount_ = count; }
    int CurrentFloating() const override { return currentFloating_; }
    void SetCurrentFloating(int position) override { currentFloating_ = position; }
    int FloatingCount() const override { return floatingCount_; }
    void SetFloatingCount(int count) override { floatingCount_ = count; }
    QStringList MonthNames() const override { return monthNames_; }
    void ShowSelectedHolidays() override;

    bool Ready() const { return ready_; }
    bool SkinApplied() const { return skinApplied_; }
    // The hand pointer of load step 108, when the file was there and readable.
    const std::optional<QCursor>& CustomPointer() const { return handCursor_; }
    // The busy pointer is showing (Start runs a generation).
    bool Busy() const { return busy_; }
    // The preview window, once a generation has handed its result over.
    PreviewWindow* Preview() const { return preview_.get(); }

    // The menu bar above the window's controls; the controls sit below it at their own places.
    QMenuBar* MenuBar() const { return menuBar_; }
    QMenu* HolidaysMenu() const { return holidaysMenu_; }
    QMenu* CalendarMenu() const { return calendarMenu_; }
    QMenu* HelpMenu() const { return helpMenu_; }
    morvessa::CalendarMenu* CalendarChoices() const { return calendarChoices_; }

    // The Holidays menu's command of that object name ("AddByRule", "AddCountry", "EditHoliday",
    // "ShowEveryHoliday", "Undo", ...).
    QAction* HolidaysAction(const char* name) const;
    morvessa::HolidaysMenu* HolidaysChoices() const { return holidaysChoices_; }

    // --- the handlers, as the controls run them ---
    void StartClicked();               // Start Creating Template
    void AddFixedClicked();            // fixed Add Holiday
    void DeleteFixedClicked();         // fixed Delete Selected Holiday
    void AddFloatingClicked();         // floating Add Holiday
    void DeleteFloatingClicked();      // floating Delete Selected Holiday
    void RestoreFixedClicked();        // fixed Restore Defaults
    void RestoreFloatingClicked();     // floating Restore Defaults
    void HolidayColourClicked();       // Holiday colour
    void DayColourClicked();           // Day colour
    void OtherColourClicked();         // Other colour
    void EasterYesClicked();           // Include Easter? Yes
    void EasterNoClicked();            // Include Easter? No
    void FixedHolidayNameChosen();     // a name picked in the fixed holidays' name box
    void FloatingHolidayNameChosen();  // a name picked in the floating holidays' name box

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    int BuildMenuBar();
    void RefreshHolidayLists();
    void ShowMessage(const QString& text);
    void BuildFixedHolidayControls();
    void BuildFloatingHolidayControls();
    void BuildColourControls();
    void NameControlsForScreenReaders();
    void ConnectControls();
    void Form_Load();
    void ApplySkin();
    void PickColour(std::string_view location, const char* colourKey, const QString& caption);
    void ShowColourSwatches();
    void DeleteSelectedHoliday(std::string_view location, bool fixed);
    void RestoreDefaults(std::string_view location, bool fixed);
    void SelectHolidayNamed(std::string_view location, const HolidayTable& table, int nameColumn, int index,
                            const QString& name, int& current);
    void ShowDialog(QDialog& dialog);
    void SetBusy(bool busy);

    // GenerationUi
    int MonthSelectorIndex() const override;
    void SetMainMousePointer(MousePointer pointer) override;
    void SetPreviewPictureFile(const std::string& path) override;
    void SetPreviewPicture(const QImage& picture);
    void SetPreviewWorkbook(const std::string& path) override;
    void ShowPreview() override;
    void HideMainWindow() override;
    PreviewWindow& EnsurePreview();

    MainWindowEnvironment environment_;
    std::unique_ptr<InstanceCheckUi> ownInstanceUi_;
    std::unique_ptr<PreviewWindow> preview_;

    QStringList monthNames_;
    int currentFixed_ = 0;
    int currentFloating_ = 0;
    int fixedCount_ = 0;
    int floatingCount_ = 0;
    bool ready_ = false;
    bool skinApplied_ = false;
    bool busy_ = false;
    std::optional<QCursor> handCursor_;

    QMenuBar* menuBar_ = nullptr;
    QMenu* holidaysMenu_ = nullptr;
    QMenu* calendarMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    morvessa::CalendarMenu* calendarChoices_ = nullptr;
    morvessa::HolidaysMenu* holidaysChoices_ = nullptr;
    // The controls. Each keeps its design name as its Qt object name (tests and translations find
    // it by that name) and in the error-location texts ("Form1.PushButton2_Click"):
    //   object name      member                    object name      member
    //   PushButton2      startButton_              Frame2           floatingHolidayFrame_
    //   Frame4           yearFrame_                Label6           floatingNameLabel_
    //   Text5            yearBox_                  cmbNameFloating  floatingHolidayNameBox_
    //   Frame3           easterFrame_              Label4           floatingMonthLabel_
    //   Option1          easterYesOption_          cmbMonth1        floatingMonthBox_
    //   Option2          easterNoOption_           Label5           floatingDayLabel_
    //   Frame1           fixedHolidayFrame_        List1            weekdayList_
    //   Label3           fixedNameLabel_           Label7           occurrenceLabel_
    //   cmbNameFixed     fixedHolidayNameBox_      List2            occurrenceList_
    //   Label1           fixedMonthLabel_          PushButton8      addFloatingButton_
    //   cmbMonth2        fixedMonthBox_            PushButton9      deleteFloatingButton_
    //   Label2           fixedDayLabel_            PushButton11     restoreFloatingButton_
    //   Text2            fixedDayBox_              Frame5           colourFrame_
    //   PushButton4      addFixedButton_           PushButton1      holidayColourButton_
    //   PushButton5      deleteFixedButton_        PushButton12     dayColourButton_
    //   PushButton10     restoreFixedButton_       PushButton13     otherColourButton_
    // A handler's location text names its control's click: StartClicked reports as
    // "Form1.PushButton2_Click", EasterYesClicked as "Form1.Option1_Click".
    QPushButton* startButton_ = nullptr;
    QGroupBox* yearFrame_ = nullptr;
    QLineEdit* yearBox_ = nullptr;
    QGroupBox* easterFrame_ = nullptr;
    QRadioButton* easterYesOption_ = nullptr;
    QRadioButton* easterNoOption_ = nullptr;
    QGroupBox* fixedHolidayFrame_ = nullptr;
    QLabel* fixedNameLabel_ = nullptr;
    QComboBox* fixedHolidayNameBox_ = nullptr;
    QLabel* fixedMonthLabel_ = nullptr;
    QComboBox* fixedMonthBox_ = nullptr;
    QLabel* fixedDayLabel_ = nullptr;
    QLineEdit* fixedDayBox_ = nullptr;
    QPushButton* addFixedButton_ = nullptr;
    QPushButton* deleteFixedButton_ = nullptr;
    QPushButton* restoreFixedButton_ = nullptr;
    QGroupBox* floatingHolidayFrame_ = nullptr;
    QLabel* floatingNameLabel_ = nullptr;
    QComboBox* floatingHolidayNameBox_ = nullptr;
    QLabel* floatingMonthLabel_ = nullptr;
    QComboBox* floatingMonthBox_ = nullptr;
    QLabel* floatingDayLabel_ = nullptr;
    QListWidget* weekdayList_ = nullptr;
    QLabel* occurrenceLabel_ = nullptr;
    QListWidget* occurrenceList_ = nullptr;
    QPushButton* addFloatingButton_ = nullptr;
    QPushButton* deleteFloatingButton_ = nullptr;
    QPushButton* restoreFloatingButton_ = nullptr;
    QGroupBox* colourFrame_ = nullptr;
    QPushButton* holidayColourButton_ = nullptr;
    QPushButton* dayColourButton_ = nullptr;
    QPushButton* otherColourButton_ = nullptr;
};

}  // namespace morvessa
