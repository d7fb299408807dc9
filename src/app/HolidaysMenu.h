#pragma once
// The main window's Holidays menu: holidays by rule, a country's holidays, the list of every
// holiday, iCalendar import and export, whether a day shows every holiday it has, and Undo. The
// window lends it its dialogs, its message box and a refresh of its two holiday lists.

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace morvessa {

class HolidaysMenu : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        QWidget* parent = nullptr;                        // of the dialogs
        std::function<void(QDialog&)> showDialog;         // modally
        std::function<void(const QString&)> showMessage;  // a command's outcome or failure
        std::function<void()> refreshLists;               // after the holidays changed
        // Asks for an .ics file to read (save false) or to write (save true); empty: the file dialog.
        // An empty answer cancels.
        std::function<QString(bool save)> chooseIcsFile;
        std::function<QString()> yearText;  // the year box, where the export's years start
    };

    HolidaysMenu(QMenu& menu, Hooks hooks);

    // The command of that object name ("AddByRule", "AddCountry", "EditHoliday", "ImportIcs",
    // "ExportIcs", "ShowEveryHoliday", "Undo"); null when there is none.
    QAction* Action(const char* name) const;

    void AddByRule();
    // A country's, state's or region's holidays, kept as a holiday source.
    void AddCountry();
    void EditHoliday();
    void ImportIcs();
    void ExportIcs();
    void ShowEveryHoliday(bool on);
    void Undo();
    // Fills "Holidays of the Year" with every holiday the year in the year box marks.
    void ShowYearHolidays();
    // Tells the user once which country's holidays a first start chose, and where to change them.
    void TellFirstStartCountry();
    QMenu* YearHolidays() const { return yearHolidays_; }

private:
    QMenu& menu_;
    QMenu* yearHolidays_ = nullptr;
    Hooks hooks_;
};

}  // namespace morvessa
