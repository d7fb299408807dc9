#include "batch/BatchRuns.h"

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
        std::printf("Exported %zu holidays of %d-%d to %s.\n", days, first, last,
                    qUtf8Printable(options.exportIcsPath));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "morvessa-batch: %s\n", error.what());
        return false;
    }
    return true;
}

}  // namespace morvessa::batch
