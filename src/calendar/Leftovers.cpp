#include "calendar/Leftovers.h"

#include "calendar/TempWorkbook.h"
#include "core/RunFolder.h"
#include "core/SharedRoutines.h"
#include "host/InstanceRegistry.h"
#include "spreadsheet/xlsx/XlsxFile.h"

namespace morvessa {

RemovedLeftovers RemoveLeftoversOfEndedRuns()
{
    RemovedLeftovers removed;
    const std::string temp = TempFolder().toStdString();
    removed.runFolders = RemoveAbandonedRunFolders(temp);
    removed.tempWorkbooks = RemoveAbandonedTempWorkbooks(temp);
    removed.instanceEntries = RemoveStaleInstanceEntries();
    removed.scratchFiles = sheet::xlsx::RemoveAbandonedScratchFiles();
    return removed;
}

}  // namespace morvessa
