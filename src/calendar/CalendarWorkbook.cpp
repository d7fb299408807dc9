#include "calendar/CalendarWorkbook.h"

#include "calendar/HolidayMarking.h"
#include "calendar/MiniMonths.h"
#include "calendar/Template.h"
#include "calendar/WeekLayout.h"
#include "calendar/YearSheet.h"
#include "spreadsheet/HostError.h"

#include <array>
#include <vector>

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
                           int activeMonth, ErrorTrap& trap, const CalendarOptions& options)
{
    const std::array<YearMonth, 12> months = TwelveMonthsFrom({year, options.firstMonth});
    // The active month's place among the sheets, counted from the first month.
    int activeSheet = activeMonth >= 1 && activeMonth <= 12 ? (activeMonth - options.firstMonth + 12) % 12 + 1
                                                             : activeMonth;
    // The year page comes first; alone, it is the page shown.
    if (options.pages == PageChoice::YearAndMonths && activeMonth >= 1 && activeMonth <= 12)
        ++activeSheet;
    if (options.pages == PageChoice::Year)
        activeSheet = 1;
    std::vector<MarkedHoliday> marked;
    const auto app = [instance]() -> sheet::Application& { return Need(instance); };
    trap.Step(114, [&] { app().ScreenUpdating(false); });
    trap.Step(116, [&] { app().DisplayAlerts(false); });
    trap.Step(118, [&] { app().EnableEvents(false); });
    trap.Step(120, [&] { app().EnableCancelKey(sheet::xlDisabled); });
    trap.Step(122, [&] { app().Cursor(sheet::xlWait); });

    trap.Step(124, [&] { PrepareWorkbook(app(), state, options); });
    for (int i = 0; i < 12; ++i) {
        const YearMonth shown = months[std::size_t(i)];
        trap.Step(126 + 2 * i, [&] { BuildMonthSheet(app(), state, shown.year, shown.month, options); });
    }
    trap.Step(150, [&] { app().Sheets()(kDeadSheetName).Delete(); });
    trap.Step(152, [&] { MarkHolidays(app(), year, trap, 152, options, &marked); });
    if (options.HasYearPage())
        trap.Step(153, [&] { BuildYearSheet(app(), year, marked, options); });
    trap.Step(154, [&] { BuildSubCalendar(app(), options); });
    for (int i = 0; i < 12; ++i) {
        const YearMonth shown = months[std::size_t(i)];
        trap.Step(156 + 2 * i, [&] { AddMiniMonths(app(), shown.year, shown.month, options); });
    }
    trap.Step(179, [&] { AddMonthLegends(app(), year, marked, options); });
    trap.Step(180, [&] { app().Sheets()(kSubCalendarSheetName).Delete(); });
    if (!options.HasMonthPages()) {
        for (int i = 0; i < 12; ++i) {
            const YearMonth shown = months[std::size_t(i)];
            trap.Step(181, [&] { app().Sheets()(options.language.MonthName(shown.month)).Delete(); });
        }
    }
    trap.Step(182, [&] { app().Sheets()(activeSheet).Select(); });
    trap.Step(198, [&] { app().Range("I11").Select(); });
    trap.Step(200, [&] { app().Cursor(sheet::xlDefault); });
    trap.Step(202, [&] { app().ScreenUpdating(true); });
    trap.Step(204, [&] { app().DisplayAlerts(true); });
    trap.Step(206, [&] { app().EnableEvents(true); });
    trap.Step(208, [&] { app().EnableCancelKey(sheet::xlInterrupt); });
}

}  // namespace morvessa
