#include "spreadsheet/xls/BiffRecordWriter.h"

#include <algorithm>

#include "spreadsheet/xls/Bytes.h"

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
    std::vector<uint8_t> data;
    PutU16(data, value);
    Write(id, data);
}

void BiffRecordWriter::WriteBof(uint16_t substreamType)
{
    std::vector<uint8_t> data;
    PutU16(data, kBiff8Version);
    PutU16(data, substreamType);
    PutU16(data, kBofBuild);
    PutU16(data, kBofYear);
    PutU32(data, 0);                   // file history flags
    PutU32(data, kBiff8Version >> 8);  // lowest version that can read the file: BIFF8
    Write(rec::kBof, data);
}

}  // namespace morvessa::sheet::xls
