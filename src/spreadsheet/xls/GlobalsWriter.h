#pragma once
// The workbook globals substream: settings, formatting tables, sheet list and shared strings.

#include <string>
#include <vector>

#include "spreadsheet/xls/BiffRecordWriter.h"
#include "spreadsheet/xls/SharedStrings.h"
#include "spreadsheet/xls/XfTable.h"

namespace morvessa::sheet::xls {

struct GlobalsInfo {
    std::vector<std::string> sheetNames;
    int activeSheet = 0;  // 0-based
};

// Writes the globals; returns the byte offsets (in out.Bytes()) of each BOUNDSHEET's
// stream-position field, to be filled once the sheets' positions are known.
std::vector<size_t> WriteGlobals(const GlobalsInfo& info, const XfTable& xfs,
                                 const SharedStringTable& strings, BiffRecordWriter& out);

}  // namespace morvessa::sheet::xls
