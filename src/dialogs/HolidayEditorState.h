#pragma once
// The main window's holiday state that the holiday dialogs read and change.

#include <QString>
#include <QStringList>

namespace morvessa {

class HolidayEditorState {
public:
    virtual ~HolidayEditorState() = default;

    virtual int CurrentFixed() const = 0;
    virtual void SetCurrentFixed(int position) = 0;
    virtual int FixedCount() const = 0;
    virtual void SetFixedCount(int count) = 0;

    virtual int CurrentFloating() const = 0;
    virtual void SetCurrentFloating(int position) = 0;
    virtual int FloatingCount() const = 0;
    virtual void SetFloatingCount(int count) = 0;

    // "January" .. "December", positions 0..11 here (1..12 in the month numbers stored).
    virtual QStringList MonthNames() const = 0;
    // Refreshes the main window's display of the current fixed and floating holidays.
    virtual void ShowSelectedHolidays() = 0;
};

}  // namespace morvessa
