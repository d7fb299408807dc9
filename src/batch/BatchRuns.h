#pragma once
// The command-line tool's runs: one calendar (workbook, PDF, snapshot), or many calendars, every
// year for every settings file, into one folder. Each returns the tool's exit status and reports on
// stderr as the tool does.

#include "batch/BatchOptions.h"

#include <QString>

namespace morvessa::batch {

// A first run with a settings file that holds nothing follows the system as the program's first
// start does (language, first weekday, the country's holidays) and says which country it chose.
void FollowSystemOnFirstRun();

// Generates the calendar and writes the files asked for.
int RunOne(const BatchOptions& options);

// Many calendars in one process: the holidays are read once per settings file, and each workbook is
// built in an instance of its own and saved straight to its file (no reopen, no picture), so the
// memory stays that of one calendar however many are made.
int RunMany(const BatchOptions& options);

// DIR/YEAR.xls, or DIR/NAME-YEAR.xls for settings file NAME.ini when there are several.
QString ManyWorkbookPath(const BatchOptions& options, const QString& settingsPath, int year);

// Adds the --country and --ics holidays to a copy of the settings in use, in `folder`; false
// (reported as a usage error) for an unknown code or an unreadable file.
bool UseRunHolidaysOf(const BatchOptions& options, const QString& folder);

// Writes --export-ics: the holidays of the settings in use (the run's copy with --country and --ics)
// for first..last, on the days a calendar marks them; false (reported) when it cannot.
bool ExportRunHolidays(const BatchOptions& options, int first, int last);

}  // namespace morvessa::batch
