#include "batch/BatchRuns.h"

#include "batch/BatchReports.h"

#include "calendar/IcsExport.h"
#include "holidays/HolidayCatalogue.h"
#include "holidays/HolidayRules.h"

#include <cstdio>
#include <exception>

namespace morvessa::batch {

bool ExportRunHolidays(const BatchOptions& options, int first, int last)
{
    try {
        LoadHolidays();
        LoadRuleHolidays();
        const std::size_t days = ExportMarkedHolidays(options.exportIcsPath, first, last);
        std::printf("%s\n", qUtf8Printable(BatchTool::tr("Exported %1 holidays of %2-%3 to %4.")
                                              .arg(days)
                                              .arg(first)
                                              .arg(last)
                                              .arg(options.exportIcsPath)));
    } catch (const std::exception& error) {
        PrintToolError(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

}  // namespace morvessa::batch
