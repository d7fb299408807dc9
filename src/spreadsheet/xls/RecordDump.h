#pragma once
// A readable listing of a workbook file's records, for finding out why another program's file
// reads wrong. It decodes with the same record structs the reader uses, so what it shows is
// what the reader sees.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

namespace morvessa::sheet::xls {

// The record's name ("ROW", "LABELSST"), or nullptr for an id this program does not name.
const char* RecordName(uint16_t id);

// Lists every stream of the compound file and the records of its workbook stream: offset, id,
// name, length and the decoded fields (hex for records without a decoder). A record that does
// not decode is shown with the reason. Returns false when the file or a record framing is broken;
// what could be read is listed first. Throws nothing.
bool DumpWorkbookFile(std::span<const uint8_t> file, std::ostream& out);

}  // namespace morvessa::sheet::xls
