#pragma once
// The calendar workbook of one year, built in a spreadsheet instance: the part of the generation
// that the program's Start and the batch tool's many-calendar runs share.

#include "calendar/CalendarOptions.h"
#include "calendar/MonthSheet.h"
#include "core/ErrorTrap.h"
#include "spreadsheet/Application.h"

namespace morvessa {

// The twelve month sheets from the options' first month of `year` on, with holidays (as last
// loaded) and mini months, after the year sheet when the options ask for it (alone, for the year
// page only), the sheet of `activeMonth` (1..12, January = 1, wherever it stands)
// active with I11 selected; any other number selects that sheet position, which fails for 0. Runs
// as the generation's steps 114..208 of `trap`; with no instance (null) each step fails and is
// reported as the generation reports it.
void BuildCalendarWorkbook(sheet::Application* instance, CalendarWorkbookState& state, int year,
                           int activeMonth, ErrorTrap& trap, const CalendarOptions& options = {});

}  // namespace morvessa
