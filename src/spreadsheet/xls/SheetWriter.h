#pragma once
// One worksheet substream. Planning maps the sheet's formats to XFs and its texts to shared
// strings (both must be complete before the globals are written); writing then emits the
// records at their final stream position, which INDEX and DBCELL refer to.

#include <cstdint>
#include <string>
#include <vector>

#include "spreadsheet/Worksheet.h"
#include "spreadsheet/xls/BiffRecordWriter.h"
#include "spreadsheet/xls/SharedStrings.h"
#include "spreadsheet/xls/XfTable.h"

namespace morvessa::sheet::xls {

struct PlannedCell {
    enum class Kind { kBlank, kNumber, kText };
    uint16_t column = 0;
    uint16_t xf = kDefaultCellXf;
    Kind kind = Kind::kBlank;
    double number = 0;
    uint32_t stringIndex = 0;
};

struct PlannedRow {
    uint16_t row = 0;
    uint16_t heightTwips = 0;
    bool customHeight = false;
    bool hidden = false;
    bool hasFormat = false;
    uint16_t xf = kDefaultCellXf;
    std::vector<PlannedCell> cells;
};

struct PlannedColumns {
    uint16_t first = 0, last = 0;
    uint16_t width = 0;
    uint16_t xf = kDefaultCellXf;
    bool customWidth = false;
};

struct SheetPlan {
    std::string name;
    bool active = false;
    uint16_t standardHeightTwips = 255;
    uint16_t standardWidth = 8;
    std::vector<PlannedColumns> columns;
    std::vector<PlannedRow> rows;
    std::vector<CellRange> merged;
    CellRange selection = CellRange::Cell(1, 1);
    int activeRow = 1, activeColumn = 1;
    PageLayout layout;
};

SheetPlan PlanSheet(const Worksheet& sheet, bool active, XfTable& xfs, SharedStringTable& strings);

// Writes BOF .. EOF; out.Position() must be the substream's final position in the stream.
void WriteSheet(const SheetPlan& plan, BiffRecordWriter& out);

}  // namespace morvessa::sheet::xls
