#pragma once
// Appends BIFF8 records (id, length, data) to a stream buffer.

#include <cstdint>
#include <span>
#include <vector>

#include "spreadsheet/xls/BiffRecords.h"

namespace morvessa::sheet::xls {

class BiffRecordWriter {
public:
    // Position in the stream of the next record (the stream starts at 0).
    size_t Position() const { return out_.size(); }

    // One record; data longer than a record holds goes on in CONTINUE records.
    void Write(uint16_t id, std::span<const uint8_t> data);

    // Records whose continuation boundaries the caller chooses (the shared strings):
    // each part after the first becomes one CONTINUE record.
    void WriteParts(uint16_t id, const std::vector<std::vector<uint8_t>>& parts);

    // The many records that hold one 16-bit value.
    void WriteU16(uint16_t id, uint16_t value);
    // BOF of a substream of the given type (globals or worksheet).
    void WriteBof(uint16_t substreamType);

    std::vector<uint8_t>& Bytes() { return out_; }
    const std::vector<uint8_t>& Bytes() const { return out_; }

private:
    void Header(uint16_t id, size_t length);

    std::vector<uint8_t> out_;
};

}  // namespace morvessa::sheet::xls
