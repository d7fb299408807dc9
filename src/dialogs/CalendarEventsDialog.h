#pragma once
// The events of one imported calendar, each with a check box: clearing it hides that event from the
// calendars generated from then on; checking it again shows it.

#include <QDialog>

#include <cstddef>

class QListWidget;

namespace morvessa {

class CalendarEventsDialog : public QDialog {
    Q_OBJECT
public:
    // Throws IcsError when the calendar's file cannot be read.
    CalendarEventsDialog(std::size_t calendar, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    // Stores which events are shown; throws what the store throws.
    void Apply();

private:
    std::size_t calendar_;
    QListWidget* list_ = nullptr;
};

}  // namespace morvessa
