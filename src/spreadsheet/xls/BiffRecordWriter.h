#pragma once
// Appends BIFF8 records (id, length, data) to a stream buffer.

#include <cstddef>
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

    // One record encoded straight into the stream (no buffer of its own): the cell table's many
    // small records. A record longer than one record holds still goes on in CONTINUE records.
    template <class Record>
    void WriteRecord(const Record& record)
    {
        const size_t start = out_.size();
        Header(Record::kId, 0);
        record.EncodeTo(out_);
        const size_t length = out_.size() - start - kRecordHeaderSize;
        if (length > kMaxRecordData) {
            const std::vector<uint8_t> data(
                out_.begin() + static_cast<std::ptrdiff_t>(start + kRecordHeaderSize), out_.end());
            out_.resize(start);
            Write(Record::kId, data);
            return;
        }
        out_[start + 2] = static_cast<uint8_t>(length);
        out_[start + 3] = static_cast<uint8_t>(length >> 8);
    }

    // Room for a stream of about this many bytes, so appending does not reallocate and copy.
    void Reserve(size_t bytes) { out_.reserve(bytes); }

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
