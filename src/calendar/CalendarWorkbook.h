#pragma once
// The calendar workbook of one year, built in a spreadsheet instance: the part of the generation
// that the program's Start and the batch tool's many-calendar runs share.

#include "calendar/MonthSheet.h"
#include "core/ErrorTrap.h"
#include "spreadsheet/Application.h"

namespace morvessa {

// The twelve month sheets with holidays (as last loaded) and mini months, `activeMonth` (1..12)
// active with I11 selected. Runs as the generation's steps 114..208 of `trap`; with no instance
// (null) each step fails and is reported as the generation reports it.
void BuildCalendarWorkbook(sheet::Application* instance, CalendarWorkbookState& state, int year,
                           int activeMonth, ErrorTrap& trap);

}  // namespace morvessa
