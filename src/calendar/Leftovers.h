#pragma once
// The start-up sweep of the program and the batch tool: what runs that ended without cleaning up (a
// crash, kill -9) left behind is removed; whatever a live process still holds stays.

namespace morvessa {

struct RemovedLeftovers {
    int runFolders = 0;       // private run folders in TEMP, with their workbooks and pictures
    int instanceEntries = 0;  // entries of the running-instance table, finished or not
    int tempWorkbooks = 0;    // workbooks earlier builds kept directly in TEMP
    int scratchFiles = 0;     // the .xlsx writer's scratch files in TMPDIR
};

// Never throws; a leftover that cannot be removed is left for the next start.
RemovedLeftovers RemoveLeftoversOfEndedRuns();

}  // namespace morvessa
