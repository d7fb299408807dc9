#include "spreadsheet/xls/BiffRecordWriter.h"

#include <algorithm>

#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/GlobalsRecords.h"
#include "spreadsheet/xls/SheetRecords.h"

namespace morvessa::sheet::xls {

void BiffRecordWriter::Header(uint16_t id, size_t length)
{
    PutU16(out_, id);
    PutU16(out_, static_cast<uint16_t>(length));
}

void BiffRecordWriter::Write(uint16_t id, std::span<const uint8_t> data)
{
    size_t offset = 0;
    uint16_t currentId = id;
    do {
        const size_t chunk = std::min(kMaxRecordData, data.size() - offset);
        Header(currentId, chunk);
        out_.insert(out_.end(), data.begin() + offset, data.begin() + offset + chunk);
        offset += chunk;
        currentId = rec::kContinue;
    } while (offset < data.size());
}

void BiffRecordWriter::WriteParts(uint16_t id, const std::vector<std::vector<uint8_t>>& parts)
{
    for (size_t i = 0; i < parts.size(); ++i) {
        Header(i == 0 ? id : rec::kContinue, parts[i].size());
        out_.insert(out_.end(), parts[i].begin(), parts[i].end());
    }
}

void BiffRecordWriter::WriteU16(uint16_t id, uint16_t value)
{
    Write(id, EncodeU16(value));
}

void BiffRecordWriter::WriteBof(uint16_t substreamType)
{
    BofRecord bof;
    bof.type = substreamType;
    Write(rec::kBof, bof.Encode());
}

}  // namespace morvessa::sheet::xls
