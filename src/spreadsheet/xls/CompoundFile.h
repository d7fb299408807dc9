#pragma once
// OLE2 compound files ("structured storage"): a small file system of named streams in
// 512-byte sectors, chained through a FAT; streams under 4096 bytes live in 64-byte
// sectors of the mini stream, chained through the MiniFAT.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace morvessa::sheet::xls {

struct CompoundStream {
    std::u16string name;
    std::vector<uint8_t> data;
};

// Builds a version 3 compound file holding the given streams in its root storage.
std::vector<uint8_t> WriteCompoundFile(const std::vector<CompoundStream>& streams);

// Parses the header, FAT, MiniFAT and directory up front; every sector index and chain is
// checked, so hostile files fail with XlsError instead of looping or reading out of bounds.
class CompoundFileReader {
public:
    explicit CompoundFileReader(std::span<const uint8_t> file);

    // A stream directly in the root storage, by name (letter case ignored); nothing when absent.
    std::optional<std::vector<uint8_t>> ReadStream(std::u16string_view name) const;
    // The names of the streams directly in the root storage.
    std::vector<std::u16string> StreamNames() const;

private:
    struct Entry {
        std::u16string name;
        uint8_t type = 0;
        uint32_t left = 0, right = 0, child = 0;
        uint32_t start = 0;
        uint64_t size = 0;
    };

    std::vector<uint32_t> RootStreams() const;  // entry ids
    std::span<const uint8_t> SectorBytes(uint32_t sector) const;
    std::vector<uint32_t> Chain(uint32_t start, const std::vector<uint32_t>& table, size_t sectorLimit,
                                const char* what) const;
    std::vector<uint8_t> ReadChainBytes(uint32_t start, uint64_t size, const char* what) const;
    void ReadFat(uint32_t fatSectorCount, uint32_t firstDifat, uint32_t difatCount);
    void ReadDirectory(uint32_t firstDirectorySector);

    std::span<const uint8_t> file_;
    uint32_t sectorSize_ = 512;
    uint32_t sectorCount_ = 0;
    uint32_t miniCutoff_ = 4096;
    std::vector<uint32_t> fat_;
    std::vector<uint32_t> miniFat_;
    std::vector<uint8_t> miniStream_;
    std::vector<Entry> entries_;
};

}  // namespace morvessa::sheet::xls
