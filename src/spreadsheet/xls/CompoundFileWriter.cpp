#include <algorithm>
#include <functional>

#include "spreadsheet/xls/Bytes.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/CompoundFileFormat.h"

namespace morvessa::sheet::xls {
namespace {

using namespace cfb;

uint32_t CeilDiv(uint64_t a, uint64_t b)
{
    return static_cast<uint32_t>((a + b - 1) / b);
}

char16_t UpperForOrder(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? c - 32 : c;
}

// Directory siblings are ordered by name length first, then by upper-cased name.
bool NameLess(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    for (size_t i = 0; i < a.size(); ++i) {
        const char16_t x = UpperForOrder(a[i]), y = UpperForOrder(b[i]);
        if (x != y)
            return x < y;
    }
    return false;
}

struct DirEntry {
    std::u16string name;
    uint8_t type = kTypeEmpty;
    uint8_t colour = kColourBlack;
    uint32_t left = kNoStream, right = kNoStream, child = kNoStream;
    uint32_t start = kEndOfChain;
    uint32_t size = 0;
};

// Balanced tree over the sorted children; the nodes on the deepest level are red, so every
// path holds the same number of black nodes (a valid red-black tree).
uint32_t BuildSiblingTree(std::vector<DirEntry>& entries, const std::vector<uint32_t>& sorted)
{
    if (sorted.empty())
        return kNoStream;
    int maxDepth = 0;
    std::function<uint32_t(size_t, size_t, int)> build = [&](size_t lo, size_t hi, int depth) {
        if (lo >= hi)
            return kNoStream;
        const size_t mid = lo + (hi - lo) / 2;
        const uint32_t id = sorted[mid];
        maxDepth = std::max(maxDepth, depth);
        entries[id].left = build(lo, mid, depth + 1);
        entries[id].right = build(mid + 1, hi, depth + 1);
        return id;
    };
    const uint32_t root = build(0, sorted.size(), 1);
    std::function<void(uint32_t, int)> paint = [&](uint32_t id, int depth) {
        if (id == kNoStream)
            return;
        entries[id].colour = (depth == maxDepth && maxDepth > 1) ? kColourRed : kColourBlack;
        paint(entries[id].left, depth + 1);
        paint(entries[id].right, depth + 1);
    };
    paint(root, 1);
    return root;
}

void AppendEntry(std::vector<uint8_t>& out, const DirEntry& e)
{
    const size_t base = out.size();
    out.resize(base + kDirectoryEntrySize, 0);
    const size_t chars = std::min<size_t>(e.name.size(), 31);
    for (size_t i = 0; i < chars; ++i)
        SetU16(out, base + 2 * i, e.name[i]);
    SetU16(out, base + kOffEntryNameLength,
           e.type == kTypeEmpty ? 0 : static_cast<uint16_t>((chars + 1) * 2));
    out[base + kOffEntryType] = e.type;
    out[base + kOffEntryColour] = e.type == kTypeEmpty ? kColourRed : e.colour;
    SetU32(out, base + kOffEntryLeft, e.left);
    SetU32(out, base + kOffEntryRight, e.right);
    SetU32(out, base + kOffEntryChild, e.child);
    SetU32(out, base + kOffEntryStart, e.type == kTypeEmpty ? 0 : e.start);
    SetU32(out, base + kOffEntrySize, e.size);
}

// Appends data padded to whole sectors and chains the sectors in the table.
uint32_t PlaceChain(std::vector<uint8_t>& area, std::vector<uint32_t>& table, const uint8_t* data,
                    size_t size, uint32_t unit)
{
    if (size == 0)
        return kEndOfChain;
    const uint32_t first = static_cast<uint32_t>(table.size());
    const uint32_t count = CeilDiv(size, unit);
    area.insert(area.end(), data, data + size);
    area.resize(area.size() + (static_cast<size_t>(count) * unit - size), 0);
    for (uint32_t i = 0; i < count; ++i)
        table.push_back(i + 1 == count ? kEndOfChain : first + i + 1);
    return first;
}

// The sectors after the header, and where the header must point into them.
struct Body {
    std::vector<uint8_t> bytes;  // every sector after the header, in order
    std::vector<uint32_t> fat;
    uint32_t firstMiniFat = kEndOfChain, miniFatSectors = 0;
    uint32_t firstDirectory = kEndOfChain;
    uint32_t fatSectors = 0, difatSectors = 0, firstDifat = kEndOfChain;
    std::vector<uint32_t> fatIds;  // the FAT's own sectors, in order
};

// Large streams go into regular sectors, small ones into the mini stream; then the mini stream
// and its MiniFAT themselves.
void PlaceStreams(const std::vector<CompoundStream>& streams, std::vector<DirEntry>& entries, Body& body)
{
    std::vector<uint8_t> miniStream;
    std::vector<uint32_t> miniFat;
    for (size_t i = 0; i < streams.size(); ++i) {
        DirEntry& e = entries[i + 1];
        e.name = streams[i].name.substr(0, 31);
        e.type = kTypeStream;
        const auto& data = streams[i].data;
        if (data.size() > UINT32_MAX)
            throw XlsError("The workbook is too large to be saved.");
        e.size = static_cast<uint32_t>(data.size());
        e.start = data.size() >= kMiniStreamCutoff
                      ? PlaceChain(body.bytes, body.fat, data.data(), data.size(), kSectorSize)
                      : PlaceChain(miniStream, miniFat, data.data(), data.size(), kMiniSectorSize);
    }
    entries[0].size = static_cast<uint32_t>(miniStream.size());
    entries[0].start = PlaceChain(body.bytes, body.fat, miniStream.data(), miniStream.size(), kSectorSize);

    // Unused MiniFAT slots of the last sector are free, not zero (zero would chain to sector 0).
    while (miniFat.size() % (kSectorSize / 4) != 0)
        miniFat.push_back(kFreeSector);
    std::vector<uint8_t> miniFatBytes;
    for (uint32_t v : miniFat)
        PutU32(miniFatBytes, v);
    body.miniFatSectors = CeilDiv(miniFatBytes.size(), kSectorSize);
    body.firstMiniFat =
        PlaceChain(body.bytes, body.fat, miniFatBytes.data(), miniFatBytes.size(), kSectorSize);
}

void PlaceDirectory(std::vector<DirEntry>& entries, Body& body)
{
    std::vector<uint32_t> children;
    for (uint32_t i = 1; i < entries.size(); ++i)
        children.push_back(i);
    std::sort(children.begin(), children.end(),
              [&](uint32_t a, uint32_t b) { return NameLess(entries[a].name, entries[b].name); });
    entries[0].child = BuildSiblingTree(entries, children);
    std::vector<uint8_t> directory;
    for (const auto& e : entries)
        AppendEntry(directory, e);
    while (directory.size() % kSectorSize != 0)
        AppendEntry(directory, DirEntry{});
    body.firstDirectory = PlaceChain(body.bytes, body.fat, directory.data(), directory.size(), kSectorSize);
}

// The FAT also covers its own sectors and the DIFAT sectors that list them.
void PlaceFat(Body& body)
{
    const uint32_t dataSectors = static_cast<uint32_t>(body.fat.size());
    const uint32_t perSector = kSectorSize / 4;
    uint32_t fatSectors = 0, difatSectors = 0;
    for (;;) {
        const uint32_t needFat = CeilDiv(dataSectors + fatSectors + difatSectors, perSector);
        const uint32_t needDifat =
            needFat > kHeaderDifatEntries ? CeilDiv(needFat - kHeaderDifatEntries, perSector - 1) : 0;
        if (needFat == fatSectors && needDifat == difatSectors)
            break;
        fatSectors = needFat;
        difatSectors = needDifat;
    }
    const uint32_t firstFat = dataSectors;
    const uint32_t firstDifat = firstFat + fatSectors;
    for (uint32_t i = 0; i < fatSectors; ++i)
        body.fat.push_back(kFatSector);
    for (uint32_t i = 0; i < difatSectors; ++i)
        body.fat.push_back(kDifatSector);
    body.fat.resize(static_cast<size_t>(fatSectors) * perSector, kFreeSector);
    for (uint32_t v : body.fat)
        PutU32(body.bytes, v);

    for (uint32_t i = 0; i < fatSectors; ++i)
        body.fatIds.push_back(firstFat + i);
    for (uint32_t d = 0; d < difatSectors; ++d) {
        for (uint32_t k = 0; k < perSector - 1; ++k) {
            const size_t index = kHeaderDifatEntries + static_cast<size_t>(d) * (perSector - 1) + k;
            PutU32(body.bytes, index < body.fatIds.size() ? body.fatIds[index] : kFreeSector);
        }
        PutU32(body.bytes, d + 1 == difatSectors ? kEndOfChain : firstDifat + d + 1);
    }
    body.fatSectors = fatSectors;
    body.difatSectors = difatSectors;
    body.firstDifat = firstDifat;
}

std::vector<uint8_t> Header(const Body& body)
{
    std::vector<uint8_t> file(kSectorSize, 0);
    std::copy(std::begin(kSignature), std::end(kSignature), file.begin());
    SetU16(file, kOffMinorVersion, 0x003E);
    SetU16(file, kOffMajorVersion, 3);
    SetU16(file, kOffByteOrder, 0xFFFE);
    SetU16(file, kOffSectorShift, 9);
    SetU16(file, kOffMiniSectorShift, 6);
    SetU32(file, kOffFatSectorCount, body.fatSectors);
    SetU32(file, kOffFirstDirectorySector, body.firstDirectory);
    SetU32(file, kOffMiniStreamCutoff, kMiniStreamCutoff);
    SetU32(file, kOffFirstMiniFatSector, body.miniFatSectors ? body.firstMiniFat : kEndOfChain);
    SetU32(file, kOffMiniFatSectorCount, body.miniFatSectors);
    SetU32(file, kOffFirstDifatSector, body.difatSectors ? body.firstDifat : kEndOfChain);
    SetU32(file, kOffDifatSectorCount, body.difatSectors);
    for (uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        SetU32(file, kOffHeaderDifat + 4 * i, i < body.fatIds.size() ? body.fatIds[i] : kFreeSector);
    return file;
}

}  // namespace

std::vector<uint8_t> WriteCompoundFile(const std::vector<CompoundStream>& streams)
{
    std::vector<DirEntry> entries(1 + streams.size());
    entries[0].name = u"Root Entry";
    entries[0].type = kTypeRoot;
    Body body;
    // The streams, padded, plus room for the mini stream, directory, MiniFAT and FAT sectors.
    size_t bodyBytes = 8 * kSectorSize;
    for (const auto& stream : streams)
        bodyBytes += stream.data.size() + stream.data.size() / (kSectorSize / 4) + kSectorSize;
    body.bytes.reserve(bodyBytes);
    PlaceStreams(streams, entries, body);
    PlaceDirectory(entries, body);
    PlaceFat(body);
    std::vector<uint8_t> file = Header(body);
    file.reserve(file.size() + body.bytes.size());
    file.insert(file.end(), body.bytes.begin(), body.bytes.end());
    return file;
}

}  // namespace morvessa::sheet::xls
