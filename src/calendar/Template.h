#pragma once
// The month sheet template ("Calendar Template") that every month sheet is copied from, and the
// working sheet ("SubCalendar") that the mini months are copied from. Both are laid out through the
// host's selection, as the host's own macro recorder would write them.

#include "calendar/CalendarOptions.h"
#include "settings/PaperSetting.h"

#include <string>

namespace morvessa {

namespace sheet {
class Application;
class PageSetup;
}  // namespace sheet

inline constexpr const char* kTemplateSheetName = "Calendar Template";
inline constexpr const char* kSubCalendarSheetName = "SubCalendar";
inline constexpr const char* kDeadSheetName = "Dead";

// The column of the ISO week numbers, right of the grid (BE), when they are shown.
inline constexpr int kWeekNumberColumn = 57;

// The bold font style in the other language the title is set with a second time.
inline constexpr const char* kLocalizedBoldStyle = "полужирный";

// A1-notation letters of a column number (1 "A", 26 "Z", 31 "AE", 56 "BD").
std::string ColumnLetter(int column);

// The host's paper size code for a paper (xlPaperA4, ...).
int XlsPaperSize(Paper paper);

// Lays out the sheet "Calendar Template" of the active workbook: title band A1:BD5, weekday header
// A6:BD8, six week bands of seven merged day and notes blocks, fonts, fills, borders, and one
// landscape page per month (on the paper the user chose). Leaves A4 selected.
void BuildCalendarTemplate(sheet::Application& app, const CalendarOptions& options = {});

// One page per sheet, centred across, landscape unless the options ask for portrait, on the paper
// the user chose (none written without a choice).
void SetCalendarPageSetup(sheet::PageSetup page, const CalendarOptions& options);

// Selects the range and fills it with the "DaysColor" setting's palette index (read afresh).
void FillDaysColor(sheet::Application& app, const std::string& rangeText);

// A thin continuous automatic-colour line on one border (5..12) of the selection.
void SetThinBorder(sheet::Application& app, int borderIndex);

// For "Headers" (any letter case): the title band's alignment, font and number format, the weekday
// names, and the centred bold header and day area. Other style names do nothing.
void ApplyHeaderStyle(sheet::Application& app, const std::string& styleName,
                      const CalendarOptions& options = {});

// Adds the last sheet "SubCalendar" of the active workbook with one formatted mini month block in
// A1:G8 (title A1:G1, weekday letters A2:G2, six day rows, thin borders), Arial 7 on white.
void BuildSubCalendar(sheet::Application& app, const CalendarOptions& options = {});

}  // namespace morvessa
