#include <algorithm>

#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/CompoundFileFormat.h"

namespace morvessa::sheet::xls {
namespace {

using namespace cfb;

char16_t FoldCase(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? c - 32 : c;
}

bool SameName(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

}  // namespace

CompoundFileReader::CompoundFileReader(std::span<const uint8_t> file) : file_(file)
{
    if (file.size() < kSectorSize)
        FailInvalid("it is too short to be an Excel 97-2003 file.");
    if (!std::equal(std::begin(kSignature), std::end(kSignature), file.begin()))
        FailInvalid("it is not an Excel 97-2003 (OLE2 compound) file.");
    const uint8_t* h = file.data();
    if (GetU16(h + kOffByteOrder) != 0xFFFE)
        FailInvalid("the compound-file header is damaged.");
    const uint16_t major = GetU16(h + kOffMajorVersion);
    const uint16_t shift = GetU16(h + kOffSectorShift);
    if (!((major == 3 && shift == 9) || (major == 4 && shift == 12)))
        FailInvalid("the compound-file sector size is not supported.");
    if (GetU16(h + kOffMiniSectorShift) != 6)
        FailInvalid("the mini-sector size is not supported.");
    sectorSize_ = 1u << shift;
    if (file.size() < sectorSize_)
        FailInvalid("it is too short to be an Excel 97-2003 file.");
    // A cut-off last sector still counts; its missing bytes read as zero.
    sectorCount_ = static_cast<uint32_t>(
        std::min<uint64_t>((file.size() - sectorSize_ + sectorSize_ - 1) / sectorSize_, kMaxRegularSector));
    miniCutoff_ = GetU32(h + kOffMiniStreamCutoff);
    if (miniCutoff_ != kMiniStreamCutoff)
        FailInvalid("the mini-stream cutoff is not 4096 bytes.");

    ReadFat(GetU32(h + kOffFatSectorCount), GetU32(h + kOffFirstDifatSector),
            GetU32(h + kOffDifatSectorCount));
    ReadDirectory(GetU32(h + kOffFirstDirectorySector));

    const uint32_t firstMiniFat = GetU32(h + kOffFirstMiniFatSector);
    if (firstMiniFat != kEndOfChain && firstMiniFat != kFreeSector) {
        const auto sectors = Chain(firstMiniFat, fat_, sectorCount_, "MiniFAT");
        miniFat_.reserve(sectors.size() * (sectorSize_ / 4));
        for (uint32_t s : sectors) {
            const auto bytes = SectorBytes(s);
            for (size_t i = 0; i + 4 <= bytes.size(); i += 4)
                miniFat_.push_back(GetU32(&bytes[i]));
        }
    }
    const Entry& root = entries_[0];
    if (root.size > 0 && root.start != kEndOfChain)
        miniStream_ = ReadChainBytes(root.start, root.size, "mini stream");
}

std::span<const uint8_t> CompoundFileReader::SectorBytes(uint32_t sector) const
{
    const uint64_t offset = (static_cast<uint64_t>(sector) + 1) * sectorSize_;
    if (offset >= file_.size())
        return {};
    return file_.subspan(offset, std::min<uint64_t>(sectorSize_, file_.size() - offset));
}

std::vector<uint32_t> CompoundFileReader::Chain(uint32_t start, const std::vector<uint32_t>& table,
                                                size_t sectorLimit, const char* what) const
{
    std::vector<uint32_t> chain;
    std::vector<bool> seen(std::min(table.size(), sectorLimit), false);
    for (uint32_t s = start; s != kEndOfChain;) {
        if (s >= seen.size())
            FailInvalid(std::string("the sector chain of the ") + what + " points outside the file.");
        if (seen[s])
            FailInvalid(std::string("the sector chain of the ") + what + " loops.");
        seen[s] = true;
        chain.push_back(s);
        s = table[s];
    }
    return chain;
}

std::vector<uint8_t> CompoundFileReader::ReadChainBytes(uint32_t start, uint64_t size, const char* what) const
{
    if (size > file_.size())
        FailInvalid(std::string("the ") + what + " claims to be larger than the file.");
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(size));
    std::vector<bool> seen(std::min<size_t>(fat_.size(), sectorCount_), false);
    for (uint32_t s = start; out.size() < size;) {
        // Read sector by sector and stop at the size, so a long chain costs nothing extra.
        if (s == kEndOfChain)
            FailInvalid(std::string("the ") + what + " is cut short.");
        if (s >= seen.size())
            FailInvalid(std::string("the sector chain of the ") + what + " points outside the file.");
        if (seen[s])
            FailInvalid(std::string("the sector chain of the ") + what + " loops.");
        seen[s] = true;
        const auto bytes = SectorBytes(s);
        const size_t take = std::min<uint64_t>(sectorSize_, size - out.size());
        out.insert(out.end(), bytes.begin(), bytes.begin() + std::min(take, bytes.size()));
        out.resize(out.size() + (take - std::min(take, bytes.size())), 0);
        s = fat_[s];
    }
    return out;
}

void CompoundFileReader::ReadFat(uint32_t fatSectorCount, uint32_t firstDifat, uint32_t difatCount)
{
    if (fatSectorCount == 0 || fatSectorCount > sectorCount_)
        FailInvalid("the compound-file allocation table has an impossible size.");
    std::vector<uint32_t> fatIds;
    for (uint32_t i = 0; i < kHeaderDifatEntries && fatIds.size() < fatSectorCount; ++i)
        fatIds.push_back(GetU32(file_.data() + kOffHeaderDifat + 4 * i));
    const uint32_t perSector = sectorSize_ / 4;
    uint32_t next = firstDifat;
    for (uint32_t visited = 0; fatIds.size() < fatSectorCount; ++visited) {
        if (next == kEndOfChain || next == kFreeSector || visited >= difatCount || visited >= sectorCount_)
            FailInvalid("the list of allocation-table sectors is incomplete.");
        if (next >= sectorCount_)
            FailInvalid("the list of allocation-table sectors points outside the file.");
        const auto bytes = SectorBytes(next);
        if (bytes.size() < sectorSize_)
            FailInvalid("the list of allocation-table sectors is cut short.");
        for (uint32_t k = 0; k + 1 < perSector && fatIds.size() < fatSectorCount; ++k)
            fatIds.push_back(GetU32(&bytes[4 * k]));
        next = GetU32(&bytes[4 * (perSector - 1)]);
    }
    fat_.reserve(static_cast<size_t>(fatSectorCount) * perSector);
    for (uint32_t id : fatIds) {
        if (id >= sectorCount_)
            FailInvalid("an allocation-table sector lies outside the file.");
        const auto bytes = SectorBytes(id);
        for (uint32_t k = 0; k < perSector; ++k)
            fat_.push_back(4 * k + 4 <= bytes.size() ? GetU32(&bytes[4 * k]) : kFreeSector);
    }
}

void CompoundFileReader::ReadDirectory(uint32_t firstDirectorySector)
{
    const auto sectors = Chain(firstDirectorySector, fat_, sectorCount_, "directory");
    for (uint32_t s : sectors) {
        const auto bytes = SectorBytes(s);
        for (size_t at = 0; at + kDirectoryEntrySize <= bytes.size(); at += kDirectoryEntrySize) {
            const uint8_t* p = &bytes[at];
            Entry e;
            const uint16_t nameBytes = std::min<uint16_t>(GetU16(p + kOffEntryNameLength), 64);
            for (uint16_t i = 0; i < nameBytes / 2; ++i) {
                const char16_t c = static_cast<char16_t>(GetU16(p + 2 * i));
                if (c == 0)
                    break;
                e.name.push_back(c);
            }
            e.type = p[kOffEntryType];
            e.left = GetU32(p + kOffEntryLeft);
            e.right = GetU32(p + kOffEntryRight);
            e.child = GetU32(p + kOffEntryChild);
            e.start = GetU32(p + kOffEntryStart);
            e.size = GetU32(p + kOffEntrySize);
            if (sectorSize_ == 4096)
                e.size |= static_cast<uint64_t>(GetU32(p + kOffEntrySize + 4)) << 32;
            entries_.push_back(std::move(e));
        }
    }
    if (entries_.empty() || entries_[0].type != kTypeRoot)
        FailInvalid("the compound-file directory has no root entry.");
}

std::vector<uint32_t> CompoundFileReader::RootStreams() const
{
    // Walk the root's sibling tree; each entry is visited at most once, so a cyclic tree ends.
    std::vector<uint32_t> streams;
    std::vector<bool> seen(entries_.size(), false);
    std::vector<uint32_t> pending{entries_[0].child};
    while (!pending.empty()) {
        const uint32_t id = pending.back();
        pending.pop_back();
        if (id >= entries_.size() || seen[id])
            continue;
        seen[id] = true;
        const Entry& e = entries_[id];
        if (e.type == kTypeStream)
            streams.push_back(id);
        pending.push_back(e.left);
        pending.push_back(e.right);
    }
    return streams;
}

std::vector<std::u16string> CompoundFileReader::StreamNames() const
{
    std::vector<std::u16string> names;
    for (uint32_t id : RootStreams())
        names.push_back(entries_[id].name);
    return names;
}

std::optional<std::vector<uint8_t>> CompoundFileReader::ReadStream(std::u16string_view name) const
{
    const Entry* found = nullptr;
    for (uint32_t id : RootStreams()) {
        if (SameName(entries_[id].name, name)) {
            found = &entries_[id];
            break;
        }
    }
    if (!found)
        return std::nullopt;
    if (found->size == 0)
        return std::vector<uint8_t>{};
    if (found->size >= miniCutoff_)
        return ReadChainBytes(found->start, found->size, "workbook stream");

    const size_t miniSectors = miniStream_.size() / kMiniSectorSize;
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(found->size));
    const auto chain = Chain(found->start, miniFat_, miniSectors, "mini stream");
    for (uint32_t s : chain) {
        if (out.size() >= found->size)
            break;
        const size_t take = std::min<uint64_t>(kMiniSectorSize, found->size - out.size());
        const auto* p = miniStream_.data() + static_cast<size_t>(s) * kMiniSectorSize;
        out.insert(out.end(), p, p + take);
    }
    if (out.size() < found->size)
        FailInvalid("the workbook stream is cut short.");
    return out;
}

}  // namespace morvessa::sheet::xls
