#pragma once
// Walks the BIFF8 records of a stream; a record and the CONTINUE records after it are read
// together, keeping the boundaries (strings split over them carry a flag byte there).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace morvessa::sheet::xls {

struct BiffRecord {
    uint16_t id = 0;
    size_t offset = 0;  // stream position of the record header
    std::span<const uint8_t> data;
    std::vector<std::span<const uint8_t>> continues;

    // The data with the continuations appended (for records without split strings).
    std::vector<uint8_t> Joined() const;
};

class BiffRecordReader {
public:
    // Starts reading at position start of the stream (a substream's BOF).
    BiffRecordReader(std::span<const uint8_t> stream, size_t start);

    // The next record; false at the end of the stream. A cut-off record fails with XlsError.
    bool Next(BiffRecord& record);

private:
    std::span<const uint8_t> stream_;
    size_t pos_;
};

// Reads across the parts of a continued record. Plain values may straddle a boundary;
// character data may not: each part that continues a string starts with its flag byte.
class ContinuedReader {
public:
    explicit ContinuedReader(const BiffRecord& record);

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    void Skip(size_t n);
    // cch characters of a string whose first part uses the given compression flag.
    std::u16string Chars(size_t cch, bool highByte);
    bool AtEnd();

private:
    bool NextPartIfDone();
    std::vector<std::span<const uint8_t>> parts_;
    size_t part_ = 0;
    size_t pos_ = 0;
};

}  // namespace morvessa::sheet::xls
