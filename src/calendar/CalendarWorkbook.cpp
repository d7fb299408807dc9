#include "calendar/CalendarWorkbook.h"

#include "calendar/HolidayMarking.h"
#include "calendar/MiniMonths.h"
#include "calendar/Template.h"
#include "spreadsheet/HostError.h"

namespace morvessa {

namespace {

// An instance that was never made fails each step like a call through an empty object variable.
sheet::Application& Need(sheet::Application* app)
{
    if (!app)
        throw sheet::NothingError();
    return *app;
}

}  // namespace

void BuildCalendarWorkbook(sheet::Application* instance, CalendarWorkbookState& state, int year,
                           int activeMonth, ErrorTrap& trap)
{
    const auto app = [instance]() -> sheet::Application& { return Need(instance); };
    trap.Step(114, [&] { app().ScreenUpdating(false); });
    trap.Step(116, [&] { app().DisplayAlerts(false); });
    trap.Step(118, [&] { app().EnableEvents(false); });
    trap.Step(120, [&] { app().EnableCancelKey(sheet::xlDisabled); });
    trap.Step(122, [&] { app().Cursor(sheet::xlWait); });

    trap.Step(124, [&] { PrepareWorkbook(app(), state); });
    for (int month = 1; month <= 12; ++month)
        trap.Step(124 + 2 * month, [&] { BuildMonthSheet(app(), state, year, month); });
    trap.Step(150, [&] { app().Sheets()(kDeadSheetName).Delete(); });
    trap.Step(152, [&] { MarkHolidays(app(), year, trap, 152); });
    trap.Step(154, [&] { BuildSubCalendar(app()); });
    for (int month = 1; month <= 12; ++month)
        trap.Step(154 + 2 * month, [&] { AddMiniMonths(app(), year, month); });
    trap.Step(180, [&] { app().Sheets()(kSubCalendarSheetName).Delete(); });
    trap.Step(182, [&] { app().Sheets()(activeMonth).Select(); });
    trap.Step(198, [&] { app().Range("I11").Select(); });
    trap.Step(200, [&] { app().Cursor(sheet::xlDefault); });
    trap.Step(202, [&] { app().ScreenUpdating(true); });
    trap.Step(204, [&] { app().DisplayAlerts(true); });
    trap.Step(206, [&] { app().EnableEvents(true); });
    trap.Step(208, [&] { app().EnableCancelKey(sheet::xlInterrupt); });
}

}  // namespace morvessa
