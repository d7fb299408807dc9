#pragma once
// The sheet-level records of a written .xls checked against the cells the sheet holds: DIMENSIONS
// is the cells' extent, each ROW spans exactly its cells, INDEX covers exactly the rows with cells
// and points at one DBCELL per block of rows. Outside readers tolerate errors here, so only this
// catches them.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/xls/BiffRecordReader.h"
#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/SheetRecords.h"

namespace morvessa::sheet::xls::testing {

namespace structure_detail {

inline constexpr size_t kRowsPerBlock = 32;

// Each cell record's row and columns.
inline void AddCells(const BiffRecord& r, std::map<uint16_t, std::set<uint16_t>>& cells)
{
    const auto one = [&](const CellAddress& cell) { cells[cell.row].insert(cell.column); };
    switch (r.id) {
    case rec::kBlank:
        return one(BlankRecord::Decode(r.data).cell);
    case rec::kNumber:
        return one(NumberRecord::Decode(r.data).cell);
    case rec::kRk:
        return one(RkRecord::Decode(r.data).cell);
    case rec::kLabelSst:
        return one(LabelSstRecord::Decode(r.data).cell);
    case rec::kLabel:
        return one(LabelRecord::Decode(r.data).cell);
    case rec::kBoolErr:
        return one(BoolErrRecord::Decode(r.data).cell);
    case rec::kFormula:
        return one(FormulaRecord::Decode(r.data).cell);
    case rec::kMulBlank: {
        const MulBlankRecord blanks = MulBlankRecord::Decode(r.data);
        for (size_t i = 0; i < blanks.xfs.size(); ++i)
            cells[blanks.row].insert(static_cast<uint16_t>(blanks.firstColumn + i));
        return;
    }
    default:
        return;
    }
}

inline void ExpectSheetMatchesItsCells(const std::vector<BiffRecord>& records, size_t bof, size_t eof)
{
    std::map<uint16_t, std::set<uint16_t>> cells;
    std::map<uint16_t, RowRecord> rows;
    std::vector<uint32_t> dbCells;
    std::optional<DimensionsRecord> dimensions;
    std::optional<IndexRecord> index;
    for (size_t i = bof; i < eof; ++i) {
        const BiffRecord& r = records[i];
        AddCells(r, cells);
        if (r.id == rec::kRow) {
            const RowRecord row = RowRecord::Decode(r.data);
            EXPECT_TRUE(rows.emplace(row.row, row).second) << "two ROW records for row " << row.row;
        } else if (r.id == rec::kDimensions) {
            dimensions = DimensionsRecord::Decode(r.data);
        } else if (r.id == rec::kIndex) {
            index = IndexRecord::Decode(r.data);
        } else if (r.id == rec::kDbCell) {
            dbCells.push_back(static_cast<uint32_t>(r.offset));
        }
    }
    ASSERT_TRUE(dimensions && index) << "no DIMENSIONS or INDEX";

    DimensionsRecord extent;
    IndexRecord covered;
    if (!cells.empty()) {
        uint16_t firstColumn = UINT16_MAX, lastColumn = 0;
        for (const auto& [row, columns] : cells) {
            firstColumn = std::min(firstColumn, *columns.begin());
            lastColumn = std::max(lastColumn, *columns.rbegin());
        }
        extent = {cells.begin()->first, cells.rbegin()->first + 1u, firstColumn,
                  static_cast<uint16_t>(lastColumn + 1)};
        covered.firstRow = extent.firstRow;
        covered.endRow = extent.endRow;
    }
    EXPECT_EQ(dimensions->firstRow, extent.firstRow) << "DIMENSIONS";
    EXPECT_EQ(dimensions->endRow, extent.endRow) << "DIMENSIONS";
    EXPECT_EQ(dimensions->firstColumn, extent.firstColumn) << "DIMENSIONS";
    EXPECT_EQ(dimensions->endColumn, extent.endColumn) << "DIMENSIONS";

    for (const auto& [row, columns] : cells)
        EXPECT_TRUE(rows.count(row)) << "row " << row << " has cells but no ROW record";
    for (const auto& [number, row] : rows) {
        const auto found = cells.find(number);
        const uint16_t first = found == cells.end() ? 0 : *found->second.begin();
        const uint16_t end = found == cells.end() ? 0 : static_cast<uint16_t>(*found->second.rbegin() + 1);
        EXPECT_EQ(row.firstColumn, first) << "ROW " << number;
        EXPECT_EQ(row.endColumn, end) << "ROW " << number;
    }

    EXPECT_EQ(index->firstRow, covered.firstRow) << "INDEX";
    EXPECT_EQ(index->endRow, covered.endRow) << "INDEX";
    EXPECT_EQ(index->dbCellPositions.size(), (rows.size() + kRowsPerBlock - 1) / kRowsPerBlock) << "INDEX";
    EXPECT_EQ(std::vector<uint32_t>(index->dbCellPositions), dbCells) << "INDEX's DBCELL positions";
}

}  // namespace structure_detail

// Checks every worksheet of the .xls file `fileBytes`.
inline void ExpectSheetsMatchTheirCells(std::span<const uint8_t> fileBytes)
{
    const auto stream = CompoundFileReader(fileBytes).ReadStream(u"Workbook");
    ASSERT_TRUE(stream) << "no Workbook stream";
    std::vector<BiffRecord> records;
    BiffRecordReader reader(*stream, 0);
    for (BiffRecord r; reader.Next(r);)
        records.push_back(r);
    int sheets = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].id != rec::kBof || records[i].data.size() < 4 ||
            (records[i].data[2] | records[i].data[3] << 8) != kBofWorksheet)
            continue;
        size_t eof = i;
        while (eof < records.size() && records[eof].id != rec::kEof)
            ++eof;
        SCOPED_TRACE("sheet " + std::to_string(++sheets));
        structure_detail::ExpectSheetMatchesItsCells(records, i, eof);
        i = eof;
    }
    EXPECT_GT(sheets, 0) << "no worksheet";
}

}  // namespace morvessa::sheet::xls::testing
