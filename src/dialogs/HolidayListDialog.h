#pragma once
// Every holiday in one list - the fixed and floating ones and the rule holidays - each its own row,
// so holidays that share a name stay reachable, then each imported calendar as one row with its
// event count, then each country, state or region whose holidays the calendar shows. Add by Rule,
// Edit (in place) and Delete, each one undoable; a calendar is refreshed from its file, removed
// whole, or has single events hidden; a country is taken out whole.

#include "holidays/HolidayEditing.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace morvessa {

class CalendarEventsDialog;
class RuleHolidayDialog;

class HolidayListDialog : public QDialog {
    Q_OBJECT
public:
    explicit HolidayListDialog(QWidget* parent = nullptr);

    // How the rule dialog is shown (tests fill it in and accept it); the default runs it modally.
    std::function<int(RuleHolidayDialog& dialog)> runRuleDialog;
    std::function<int(CalendarEventsDialog& dialog)> runEventsDialog;
    // Where messages go; the default is a message box.
    std::function<void(const QString& text)> showMessage;

    // The row of `entry` becomes current.
    void Select(const HolidayEntry& entry);
    QListWidget* List() const { return list_; }

    void AddByRule();
    void EditSelected();
    void DeleteSelected();
    void RefreshSelectedCalendar();
    void ChooseCalendarEvents();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh(std::optional<HolidayEntry> current);
    // After a row went: the list afresh, the row that took its place (or the last) current.
    void RefreshAround(int row);
    std::optional<HolidayEntry> Selected() const;
    std::optional<std::size_t> SelectedCalendar() const;
    std::optional<std::size_t> SelectedCountry() const;
    void DeleteCalendar(std::size_t calendar);
    void SelectionChanged();

    std::vector<HolidayEntry> entries_;
    int calendarCount_ = 0;
    int countryCount_ = 0;
    QPushButton* refresh_ = nullptr;
    QPushButton* events_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
};

// Shows the rule dialog for a new holiday and adds it (undoable); `run` empty runs it modally. True
// when one was added; `added` then holds its entry.
bool AddHolidayByRule(QWidget* parent, const std::function<int(RuleHolidayDialog&)>& run,
                      const std::function<void(const QString&)>& showMessage,
                      std::optional<HolidayEntry>* added = nullptr);

}  // namespace morvessa
