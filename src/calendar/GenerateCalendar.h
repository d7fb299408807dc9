#pragma once
// The one entry point of calendar generation: a year and the stored settings go in; a twelve-sheet
// .xls workbook in the temporary folder and a snapshot picture of one month come out, handed over
// to the preview through GenerationUi.

#include "core/ErrorTrap.h"
#include "calendar/GenerationUi.h"
#include "core/CalendarYear.h"

namespace morvessa {

namespace location {
MORVESSA_LOCATION(Calendar_GenerateCalendar, "Calendar.GenerateCalendar")
}  // namespace location

// Runs every numbered step under the trap "Calendar.GenerateCalendar"; a failing step is reported
// and the next one runs.
void GenerateCalendar(CalendarYear year, GenerationUi& ui);

}  // namespace morvessa
