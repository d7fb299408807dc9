#pragma once
// Small workbook files shaped to make a reader spend memory or time out of all proportion to
// their size. Built record by record; shared by the reader's tests and the fuzzer's seed writer
// (fuzz/make_seeds.cpp), which also writes them full size for measuring from outside.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/xls/BiffRecordWriter.h"
#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/GlobalsRecords.h"
#include "spreadsheet/xls/SharedStrings.h"
#include "spreadsheet/xls/SheetRecords.h"

namespace morvessa::sheet::testing::hostile {

using namespace morvessa::sheet::xls;

// A workbook stream: globals naming `sheets` sheets, then the sheets' records. Each sheet's
// position is patched in when it starts (or any position given).
class StreamBuilder {
public:
    explicit StreamBuilder(size_t sheets, const std::vector<std::u16string>& sharedStrings = {})
    {
        out_.WriteBof(kBofGlobals);
        for (size_t i = 0; i < sheets; ++i) {
            positionFields_.push_back(out_.Position() + kRecordHeaderSize +
                                      BoundSheetRecord::kPositionOffset);
            out_.Write(rec::kBoundSheet,
                       BoundSheetRecord{0, 0, kSheetWorksheet, "S" + std::to_string(i + 1)}.Encode());
        }
        if (!sharedStrings.empty()) {
            SharedStringTable strings;
            for (const auto& text : sharedStrings)
                strings.Add(text);
            strings.Write(out_);
        }
        out_.Write(rec::kEof, {});
    }

    // Starts sheet `index` (0-based) here.
    void BeginSheet(size_t index)
    {
        SetPosition(index, out_.Position());
        out_.WriteBof(kBofWorksheet);
    }
    void SetPosition(size_t index, size_t position)
    {
        SetU32(out_.Bytes(), positionFields_[index], static_cast<uint32_t>(position));
    }
    size_t Position() const { return out_.Position(); }
    template <typename Record>
    void Add(const Record& record)
    {
        out_.Write(Record::kId, record.Encode());
    }
    void Eof() { out_.Write(rec::kEof, {}); }
    std::vector<uint8_t> File() const { return WriteCompoundFile({{u"Workbook", out_.Bytes()}}); }

private:
    BiffRecordWriter out_;
    std::vector<size_t> positionFields_;
};

// A ROW record that makes the sheet's row table reach the last row.
inline RowRecord LastRow()
{
    return RowRecord{kLastRowIndex, 0, 0, 300, RowRecord::kAlwaysSet | kRowCustomHeight, 0};
}

// Every sheet named at the position of the first, whose only record is a ROW for row 65,536.
inline std::vector<uint8_t> AliasedSheets(size_t sheets = 1024)
{
    StreamBuilder b(sheets);
    const size_t first = b.Position();
    b.BeginSheet(0);
    b.Add(LastRow());
    b.Eof();
    for (size_t i = 1; i < sheets; ++i)
        b.SetPosition(i, first);
    return b.File();
}

// Every sheet named at the position of the first, which holds `areas` merged areas.
inline std::vector<uint8_t> AliasedSheetsWithMergedAreas(size_t sheets = 1024, size_t areas = 3000)
{
    StreamBuilder b(sheets);
    const size_t first = b.Position();
    b.BeginSheet(0);
    MergedCellsRecord record;
    for (size_t i = 0; i < areas; ++i) {
        const auto row = static_cast<uint16_t>(i / 128);
        const auto column = static_cast<uint16_t>(2 * (i % 128));
        record.areas.push_back({row, row, column, static_cast<uint16_t>(column + 1)});
        if (record.areas.size() == kMaxMergedAreasPerRecord || i + 1 == areas) {
            b.Add(record);
            record.areas.clear();
        }
    }
    b.Eof();
    for (size_t i = 1; i < sheets; ++i)
        b.SetPosition(i, first);
    return b.File();
}

// Distinct sheets, each reaching row 65,536 with a single ROW record.
inline std::vector<uint8_t> SheetsReachingTheLastRow(size_t sheets = 1024)
{
    StreamBuilder b(sheets);
    for (size_t i = 0; i < sheets; ++i) {
        b.BeginSheet(i);
        b.Add(LastRow());
        b.Eof();
    }
    return b.File();
}

// The second sheet starts at an embedded chart's BOF inside the first, typed as a worksheet.
inline std::vector<uint8_t> SheetInsideAnother()
{
    StreamBuilder b(2);
    b.BeginSheet(0);
    b.Add(NumberRecord{{0, 0, 15}, 1.0});
    b.BeginSheet(1);  // a BOF inside sheet 1
    b.Add(NumberRecord{{1, 1, 15}, 2.0});
    b.Eof();
    b.Add(NumberRecord{{2, 2, 15}, 3.0});
    b.Eof();
    return b.File();
}

// A sheet named at the start of the stream: the globals' own BOF.
inline std::vector<uint8_t> SheetInsideTheGlobals()
{
    StreamBuilder b(1);
    b.BeginSheet(0);
    b.Eof();
    b.SetPosition(0, 0);
    return b.File();
}

// `areas` merged areas of two cells each, none overlapping, in `sheets` sheets.
inline std::vector<uint8_t> ManyMergedAreas(size_t areas = 100'000, size_t sheets = 1)
{
    StreamBuilder b(sheets);
    const size_t perSheet = (areas + sheets - 1) / sheets;
    for (size_t s = 0; s < sheets; ++s) {
        b.BeginSheet(s);
        MergedCellsRecord record;
        for (size_t i = 0; i < perSheet; ++i) {
            const auto row = static_cast<uint16_t>(i / 128);
            const auto column = static_cast<uint16_t>(2 * (i % 128));
            record.areas.push_back({row, row, column, static_cast<uint16_t>(column + 1)});
            if (record.areas.size() == kMaxMergedAreasPerRecord || i + 1 == perSheet) {
                b.Add(record);
                record.areas.clear();
            }
        }
        b.Eof();
    }
    return b.File();
}

// Merged areas where the last one overlaps the first: a check of neighbours alone misses it.
inline std::vector<uint8_t> OverlappingMergedAreas(size_t areas = 5000)
{
    StreamBuilder b(1);
    b.BeginSheet(0);
    MergedCellsRecord record;
    for (size_t i = 0; i < areas; ++i) {
        const auto column = static_cast<uint16_t>(2 * (i % 128));
        const auto row = static_cast<uint16_t>(i / 128);
        record.areas.push_back({row, row, column, static_cast<uint16_t>(column + 1)});
        if (record.areas.size() == kMaxMergedAreasPerRecord) {
            b.Add(record);
            record.areas.clear();
        }
    }
    record.areas.push_back({0, 5, 1, 1});  // B1:B6 crosses A1:B1
    b.Add(record);
    b.Eof();
    return b.File();
}

// One blank cell at column IV in each row: every cell slot of the grid up to `rows`.
inline std::vector<uint8_t> CellsAtTheLastColumn(size_t rows = 65536)
{
    StreamBuilder b(1);
    b.BeginSheet(0);
    for (size_t r = 0; r < rows; ++r)
        b.Add(BlankRecord{{static_cast<uint16_t>(r), kLastColumnIndex, 15}});
    b.Eof();
    return b.File();
}

// One shared string of 32,767 characters that take three bytes each in UTF-8, used by a cell on
// every row of as many sheets as it takes: each cell holds its own copy of the 96 KB text.
inline std::vector<uint8_t> LongTextInEveryCell(size_t cells = 65'000)
{
    constexpr size_t kRowsPerSheet = 65536;
    const size_t sheets = (cells + kRowsPerSheet - 1) / kRowsPerSheet;
    StreamBuilder b(sheets, {std::u16string(32767, u'\u6708')});
    for (size_t sheet = 0, cell = 0; sheet < sheets; ++sheet) {
        b.BeginSheet(sheet);
        for (size_t row = 0; row < kRowsPerSheet && cell < cells; ++row, ++cell)
            b.Add(LabelSstRecord{{static_cast<uint16_t>(row), 0, 15}, 0});
        b.Eof();
    }
    return b.File();
}

// The shapes by file name, at the sizes the reproductions used.
inline std::vector<std::pair<std::string, std::vector<uint8_t>>> FullSizeShapes()
{
    return {
        {"aliased_sheets_last_row.xls", AliasedSheets()},
        {"aliased_sheets_merged_areas.xls", AliasedSheetsWithMergedAreas()},
        {"sheets_reaching_last_row.xls", SheetsReachingTheLastRow()},
        {"sheet_inside_another.xls", SheetInsideAnother()},
        {"sheet_inside_globals.xls", SheetInsideTheGlobals()},
        {"merged_areas_100000.xls", ManyMergedAreas()},
        {"merged_areas_in_120_sheets.xls", ManyMergedAreas(120'000, 120)},
        {"merged_areas_overlapping_late.xls", OverlappingMergedAreas()},
        {"cells_at_last_column.xls", CellsAtTheLastColumn()},
        {"long_text_in_every_cell.xls", LongTextInEveryCell()},
        // Just inside the cell limit: these open, and must stay within the budget doing so.
        {"sheets_reaching_last_row_30.xls", SheetsReachingTheLastRow(30)},
        {"cells_at_last_column_7700_rows.xls", CellsAtTheLastColumn(7700)},
        {"merged_areas_65536.xls", ManyMergedAreas(65'536)},
        {"long_text_in_300_cells.xls", LongTextInEveryCell(300)},
    };
}

}  // namespace morvessa::sheet::testing::hostile
