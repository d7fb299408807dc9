#pragma once
// The one entry point of calendar generation: a year and the stored settings go in; a twelve-sheet
// .xls workbook in the temporary folder and a snapshot picture of one month come out, handed over
// to the preview through GenerationUi.

#include "core/ErrorTrap.h"
#include "calendar/GenerationUi.h"

#include <string>

namespace morvessa {

namespace location {
MORVESSA_LOCATION(Calendar_GenerateCalendar, "Calendar.GenerateCalendar")
}  // namespace location

// Runs every numbered step under the trap "Calendar.GenerateCalendar"; a failing step is reported
// and the next one runs. `yearText` must be numeric; it is clamped in place to 1900..2100.
void GenerateCalendar(std::string& yearText, GenerationUi& ui);

}  // namespace morvessa
