#pragma once
// Number formats: the format's built-in codes (ids below 164) and the workbook's own formats.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/xls/BiffRecordWriter.h"

namespace morvessa::sheet::xls {

// The text of a built-in format id, or nullptr when the id names none.
const char* BuiltInNumberFormat(uint16_t id);

class NumberFormatTable {
public:
    NumberFormatTable();

    // The id for a format text: a locale-independent built-in id when one matches, else an id
    // from 164 on, added on first use.
    uint16_t IdFor(const std::string& format);

    // FORMAT records: the currency formats every workbook carries, then the workbook's own.
    void Write(BiffRecordWriter& out) const;

private:
    std::map<std::string, uint16_t> custom_;
    std::vector<std::string> order_;
};

// FORMAT record data: id and text.
std::vector<uint8_t> FormatRecordData(uint16_t id, const std::string& utf8Text);
struct FormatRecord {
    uint16_t id = 0;
    std::string text;  // UTF-8
};
FormatRecord ReadFormatRecord(std::span<const uint8_t> data);

}  // namespace morvessa::sheet::xls
