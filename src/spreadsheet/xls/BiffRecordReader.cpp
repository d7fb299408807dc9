#include "spreadsheet/xls/BiffRecordReader.h"

#include <algorithm>
#include <string>

#include "spreadsheet/xls/BiffRecords.h"
#include "spreadsheet/xls/Bytes.h"

namespace morvessa::sheet::xls {

std::vector<uint8_t> BiffRecord::Joined() const
{
    std::vector<uint8_t> all(data.begin(), data.end());
    for (const auto& part : continues)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

BiffRecordReader::BiffRecordReader(std::span<const uint8_t> stream, size_t start)
    : stream_(stream), pos_(start)
{
}

bool BiffRecordReader::Next(BiffRecord& record)
{
    auto readOne = [&](uint16_t& id, std::span<const uint8_t>& data) {
        if (stream_.size() - pos_ < 4)
            FailInvalid("a record header is cut short.");
        id = GetU16(&stream_[pos_]);
        const uint16_t length = GetU16(&stream_[pos_ + 2]);
        if (stream_.size() - pos_ - 4 < length)
            FailInvalid("a record is cut short.");
        data = stream_.subspan(pos_ + 4, length);
        pos_ += 4 + static_cast<size_t>(length);
    };
    if (pos_ >= stream_.size())
        return false;
    // Zero padding after the last record (some writers fill the stream to a sector) is no record.
    if (stream_.size() - pos_ < 4)
        return false;
    record.offset = pos_;
    record.continues.clear();
    readOne(record.id, record.data);
    while (stream_.size() - pos_ >= 4 && GetU16(&stream_[pos_]) == rec::kContinue) {
        uint16_t id;
        std::span<const uint8_t> part;
        readOne(id, part);
        record.continues.push_back(part);
    }
    return true;
}

ContinuedReader::ContinuedReader(const BiffRecord& record)
{
    parts_.push_back(record.data);
    parts_.insert(parts_.end(), record.continues.begin(), record.continues.end());
}

bool ContinuedReader::NextPartIfDone()
{
    while (part_ < parts_.size() && pos_ >= parts_[part_].size()) {
        ++part_;
        pos_ = 0;
    }
    return part_ < parts_.size();
}

bool ContinuedReader::AtEnd()
{
    return !NextPartIfDone();
}

uint8_t ContinuedReader::U8()
{
    if (!NextPartIfDone())
        FailInvalid("the shared strings are cut short.");
    return parts_[part_][pos_++];
}

uint16_t ContinuedReader::U16()
{
    const uint16_t lo = U8();
    return static_cast<uint16_t>(lo | (U8() << 8));
}

uint32_t ContinuedReader::U32()
{
    const uint32_t lo = U16();
    return lo | (static_cast<uint32_t>(U16()) << 16);
}

void ContinuedReader::Skip(size_t n)
{
    while (n > 0) {
        if (!NextPartIfDone())
            FailInvalid("the shared strings are cut short.");
        const size_t take = std::min(n, parts_[part_].size() - pos_);
        pos_ += take;
        n -= take;
    }
}

std::u16string ContinuedReader::Chars(size_t cch, bool highByte)
{
    std::u16string text;
    text.reserve(std::min<size_t>(cch, 8224));
    while (text.size() < cch) {
        if (part_ >= parts_.size())
            FailInvalid("the shared strings are cut short.");
        if (pos_ >= parts_[part_].size()) {
            // A string continued in the next record: that record begins with a new flag byte.
            if (part_ + 1 >= parts_.size())
                FailInvalid("the shared strings are cut short.");
            ++part_;
            pos_ = 0;
            if (parts_[part_].empty())
                continue;
            highByte = (parts_[part_][pos_++] & 0x01) != 0;
            continue;
        }
        const auto& bytes = parts_[part_];
        if (highByte) {
            if (bytes.size() - pos_ < 2)
                FailInvalid("a shared string breaks inside a character.");
            text.push_back(static_cast<char16_t>(GetU16(&bytes[pos_])));
            pos_ += 2;
        } else {
            text.push_back(static_cast<char16_t>(bytes[pos_++]));
        }
    }
    return text;
}

}  // namespace morvessa::sheet::xls
