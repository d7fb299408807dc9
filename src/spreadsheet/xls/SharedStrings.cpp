#include "spreadsheet/xls/SharedStrings.h"

#include <algorithm>

#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {
namespace {

constexpr uint8_t kFlagHighByte = 0x01;
constexpr uint8_t kFlagExtended = 0x04;
constexpr uint8_t kFlagRichText = 0x08;
constexpr size_t kStringHeaderSize = 3;  // character count and flags
constexpr uint16_t kMinStringsPerBucket = 8;
constexpr size_t kMaxBuckets = 128;
constexpr size_t kMaxStringChars = 32767;  // longest cell text

bool NeedsHighByte(const std::u16string& text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c > 0xFF; });
}

struct BucketStart {
    size_t part = 0;
    size_t offsetInPart = 0;
};

}  // namespace

uint32_t SharedStringTable::Add(const std::u16string& text)
{
    ++totalUses_;
    const std::u16string key = text.size() > kMaxStringChars ? text.substr(0, kMaxStringChars) : text;
    auto [it, added] = index_.try_emplace(key, static_cast<uint32_t>(strings_.size()));
    if (added) {
        characters_ += key.size();
        strings_.push_back(key);
    }
    return it->second;
}

void SharedStringTable::Write(BiffRecordWriter& out) const
{
    std::vector<std::vector<uint8_t>> parts(1);
    PutU32(parts[0], totalUses_);
    PutU32(parts[0], static_cast<uint32_t>(strings_.size()));

    const uint16_t perBucket = static_cast<uint16_t>(
        std::max<size_t>(kMinStringsPerBucket, (strings_.size() + kMaxBuckets - 1) / kMaxBuckets));
    std::vector<BucketStart> buckets;

    for (size_t i = 0; i < strings_.size(); ++i) {
        const auto& text = strings_[i];
        const bool high = NeedsHighByte(text);
        const size_t unit = high ? 2 : 1;
        // The header and the first character stay together in one record.
        if (parts.back().size() + kStringHeaderSize + unit > kMaxRecordData)
            parts.emplace_back();
        if (i % perBucket == 0)
            buckets.push_back({parts.size() - 1, parts.back().size()});
        PutU16(parts.back(), static_cast<uint16_t>(text.size()));
        PutU8(parts.back(), high ? kFlagHighByte : 0);
        for (size_t c = 0; c < text.size(); ++c) {
            if (parts.back().size() + unit > kMaxRecordData) {
                parts.emplace_back();
                PutU8(parts.back(), high ? kFlagHighByte : 0);
            }
            if (high)
                PutU16(parts.back(), text[c]);
            else
                PutU8(parts.back(), static_cast<uint8_t>(text[c]));
        }
    }

    std::vector<size_t> partPositions;
    size_t position = out.Position();
    for (const auto& part : parts) {
        partPositions.push_back(position);
        position += 4 + part.size();
    }
    out.WriteParts(rec::kSst, parts);

    std::vector<uint8_t> ext;
    PutU16(ext, perBucket);
    for (const auto& b : buckets) {
        PutU32(ext, static_cast<uint32_t>(partPositions[b.part] + 4 + b.offsetInPart));
        PutU16(ext, static_cast<uint16_t>(4 + b.offsetInPart));
        PutU16(ext, 0);
    }
    out.Write(rec::kExtSst, ext);
}

std::vector<std::u16string> ReadSharedStrings(const BiffRecord& sst)
{
    ContinuedReader in(sst);
    in.U32();  // total uses
    const uint32_t unique = in.U32();
    std::vector<std::u16string> strings;
    // The count is only a claim: a string needs at least 3 bytes, so the record size caps it.
    size_t available = sst.data.size();
    for (const auto& part : sst.continues)
        available += part.size();
    strings.reserve(std::min<size_t>(unique, available / kStringHeaderSize));
    for (uint32_t i = 0; i < unique && !in.AtEnd(); ++i) {
        const uint16_t cch = in.U16();
        const uint8_t flags = in.U8();
        const uint16_t runs = (flags & kFlagRichText) ? in.U16() : 0;
        const uint32_t extSize = (flags & kFlagExtended) ? in.U32() : 0;
        strings.push_back(in.Chars(cch, (flags & kFlagHighByte) != 0));
        in.Skip(static_cast<size_t>(runs) * 4);
        in.Skip(extSize);
    }
    return strings;
}

}  // namespace morvessa::sheet::xls
