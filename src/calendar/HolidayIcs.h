#pragma once
// What goes wrong with an iCalendar (.ics) file, for the user: imported calendars (IcsCalendar,
// StoredCalendars) and the export (IcsExport) report through it.

#include <stdexcept>

namespace morvessa {

// An .ics file that cannot be read or written: the message says why, for the user.
class IcsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace morvessa
