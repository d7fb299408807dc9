#pragma once
// The one entry point of calendar generation: a year and the stored settings go in; a twelve-sheet
// .xls workbook in the run's private folder inside TEMP and a snapshot picture of one month come out, handed
// over to the preview through GenerationUi.

#include "core/ErrorTrap.h"
#include "calendar/GenerationUi.h"
#include "core/CalendarYear.h"
#include "calendar/CalendarOptions.h"

#include <QCoreApplication>

namespace morvessa {

namespace location {
MORVESSA_LOCATION(Calendar_GenerateCalendar, "Calendar.GenerateCalendar")
}  // namespace location

// Ends the report of a failed save of the temporary workbook: nothing is handed to the preview.
inline constexpr const char* kNothingMadeMessage = QT_TRANSLATE_NOOP("ErrorReport", "No calendar was made.");

// Runs every numbered step under the trap "Calendar.GenerateCalendar"; a failing step is reported
// and the next one runs, except that a temporary workbook whose save failed is deleted and nothing
// is handed over (the preview does not open). The twelve months run
// from the options' first month of `year` on; the month selector's month is the active sheet
// whichever place it has.
void GenerateCalendar(CalendarYear year, GenerationUi& ui, const CalendarOptions& options);
// The same with the options kept in the settings store.
void GenerateCalendar(CalendarYear year, GenerationUi& ui);

}  // namespace morvessa
