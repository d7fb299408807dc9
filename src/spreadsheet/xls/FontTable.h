#pragma once
// FONT records: the workbook's distinct fonts. Indexes 0..3 are the default font (plain,
// bold, italic, bold italic); index 4 does not exist; the workbook's other fonts follow.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "spreadsheet/CellFormat.h"
#include "spreadsheet/xls/BiffRecordWriter.h"
#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {

std::vector<uint8_t> FontRecordData(const FontFormat& font);
FontFormat ReadFontRecord(ByteReader& in);

class FontTable {
public:
    explicit FontTable(const FontFormat& defaultFont);

    // The font index to put into an XF (never 4).
    uint16_t IndexFor(const FontFormat& font);
    void Write(BiffRecordWriter& out) const;
    size_t Count() const { return records_.size(); }

private:
    std::vector<std::vector<uint8_t>> records_;  // in file order (no entry for index 4)
    std::map<std::string, uint16_t> indexes_;    // keyed by record data
};

// The file's font index for position `position` of the FONT records, and back.
inline uint16_t FontIndexOfPosition(size_t position)
{
    return static_cast<uint16_t>(position < 4 ? position : position + 1);
}

}  // namespace morvessa::sheet::xls
