#pragma once
// XF records (extended formats): 15 style XFs, the default cell XF 15, then one cell XF per
// distinct cell format of the workbook. Also maps XF records back to cell formats.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "spreadsheet/CellFormat.h"
#include "spreadsheet/xls/BiffRecordWriter.h"
#include "spreadsheet/xls/FontTable.h"
#include "spreadsheet/xls/NumberFormats.h"

namespace morvessa::sheet::xls {

// The cell-format part of an XF record; font and number format are given as file indexes.
std::vector<uint8_t> CellXfData(const CellFormat& format, uint16_t fontIndex, uint16_t numberFormatId);

class XfTable {
public:
    explicit XfTable(const FormatTable& formats);

    // The XF index for a format id of the workbook's table (added on first use). Called once per
    // cell, so the mapped case stays inline.
    uint16_t XfFor(FormatTable::Id id)
    {
        if (id >= 0 && static_cast<size_t>(id) < xfOfId_.size() && xfOfId_[static_cast<size_t>(id)] >= 0)
            return static_cast<uint16_t>(xfOfId_[static_cast<size_t>(id)]);
        return AddXfFor(id);
    }

    size_t XfCount() const { return kStyleXfCount + cellXfs_.size(); }
    size_t FontCount() const { return fonts_.Count(); }

    // The formatting records of the workbook globals, in the order the format requires.
    void WriteFonts(BiffRecordWriter& out) const { fonts_.Write(out); }
    void WriteNumberFormats(BiffRecordWriter& out) const { numberFormats_.Write(out); }
    void WriteXfs(BiffRecordWriter& out) const;
    void WriteStyles(BiffRecordWriter& out) const;

private:
    uint16_t AddXfFor(FormatTable::Id id);

    const FormatTable& formats_;
    FontTable fonts_;
    NumberFormatTable numberFormats_;
    std::vector<std::vector<uint8_t>> cellXfs_;  // XF 15 onwards
    std::map<std::string, uint16_t> xfIndexes_;  // keyed by record data
    std::vector<int> xfOfId_;                    // -1: not yet mapped
};

// Rebuilds cell formats from the fonts, number formats and XF records of a file.
class XfDecoder {
public:
    void AddFont(const FontFormat& font) { fonts_.push_back(font); }
    void AddNumberFormat(uint16_t id, std::string text) { numberFormats_[id] = std::move(text); }
    void AddXf(std::span<const uint8_t> data);
    size_t XfCount() const { return xfs_.size(); }

    // The cell format of XF `index`; an index past the table reads as the default format.
    CellFormat Decode(uint16_t index) const;

private:
    std::vector<FontFormat> fonts_;  // in file order (position, not font index)
    std::map<uint16_t, std::string> numberFormats_;
    std::vector<std::vector<uint8_t>> xfs_;
};

}  // namespace morvessa::sheet::xls
