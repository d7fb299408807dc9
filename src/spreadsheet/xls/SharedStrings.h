#pragma once
// The shared string table (SST): every distinct cell text once, cells refer to it by index.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "spreadsheet/xls/BiffRecordReader.h"
#include "spreadsheet/xls/BiffRecordWriter.h"

namespace morvessa::sheet::xls {

class SharedStringTable {
public:
    // Index of the text, adding it on first use; counts every use for the SST header.
    uint32_t Add(const std::u16string& text);

    // Writes SST (split over CONTINUE records without breaking a character) and EXTSST.
    void Write(BiffRecordWriter& out) const;
    // About the bytes Write appends (each string stored as 16-bit characters), for reserving.
    size_t EstimatedBytes() const { return characters_ * 2 + strings_.size() * 4 + 1024; }

private:
    std::vector<std::u16string> strings_;
    std::unordered_map<std::u16string, uint32_t> index_;
    uint32_t totalUses_ = 0;
    size_t characters_ = 0;
};

// Reads the strings of an SST record and its continuations; rich-text runs and phonetic
// data are skipped. At most `limit` strings are read.
std::vector<std::u16string> ReadSharedStrings(const BiffRecord& sst);

}  // namespace morvessa::sheet::xls
